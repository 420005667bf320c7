// brisklet diff: what changed in the download between two projects: units added, removed and
// changed, each change as the decoded fields that differ. Exit 0 when the downloads are equal,
// 1 when they differ.
#include <map>

#include "CommandSupport.h"
#include "Commands.h"
#include "RecordOutput.h"
#include "decoding/DecodeContext.h"
#include "decoding/RecordDecoder.h"
#include "decoding/StoredRecords.h"

namespace brisklet::cli {
namespace {

struct DiffOptions {
  Options project;  // the old project
  std::string newer;
};

// A project's download: its stored units and its page table, by GUID.
struct Download {
  DecodeContext context;
  std::map<int32_t, DecodedUnit> units;
};

Download DownloadOf(clsDownload& compiler, DefaultHost& host, Connection& db) {
  Download d;
  d.context = ReadDecodeContext(host, db);
  for (StoredRecord& r : ReadStoredRecords(db)) d.units[r.guid] = {r.label, std::move(r.data), {}, {}};
  if (db.QueryValue("SELECT COUNT(*) FROM Pages").value_or(Value(0)).ToLong("COUNT(*)") > 0) {
    d.units[kPageTableGuid] = {"page table", compiler.GetConvertionPageNumToPointerTable().front()->Data(), {}, {}};
  }
  return d;
}

// A unit only one of the projects has: "element 30 (GUID 2030): added, 78 bytes".
void AddedOrRemoved(std::ostream& out, bool json, const DecodedUnit& unit, const char* change) {
  if (json) {
    out << nlohmann::ordered_json{{"unit", unit.label}, {"change", change}, {"length", unit.data.size()}}.dump(
               -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
        << '\n';
  } else {
    out << unit.label << ": " << change << ", " << unit.data.size() << " bytes\n";
  }
}

void Changed(std::ostream& out, bool json, const DecodedUnit& before, const DecodedUnit& after, const Download& older,
             const Download& newer) {
  std::vector<FieldChange> changes =
      CompareFields(DecodeRecord(before.data, older.context), DecodeRecord(after.data, newer.context));
  if (json) {
    out << nlohmann::ordered_json{{"unit", after.label}, {"change", "changed"}, {"fields", ChangesJson(changes)}}.dump(
               -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
        << '\n';
  } else if (changes.empty()) {  // the same fields, meaning the same, in other bytes
    out << after.label << ": other bytes, the same fields\n";
  } else {
    WriteChangesText(out, after.label, changes);
  }
}

// Writes what changed from `older` to `newer`; 1 when anything did.
int Diff(bool json, const Download& older, const Download& newer, std::ostream& out) {
  int outcome = 0;
  auto was = older.units.begin();
  auto is = newer.units.begin();
  while (was != older.units.end() || is != newer.units.end()) {
    if (is == newer.units.end() || (was != older.units.end() && was->first < is->first)) {
      AddedOrRemoved(out, json, was++->second, "removed");
      outcome = 1;
    } else if (was == older.units.end() || is->first < was->first) {
      AddedOrRemoved(out, json, is++->second, "added");
      outcome = 1;
    } else {
      if (was->second.data != is->second.data) {
        Changed(out, json, was->second, is->second, older, newer);
        outcome = 1;
      }
      ++was, ++is;
    }
  }
  return outcome;
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& exitCode) {
  static DiffOptions diff;
  auto* d = app.add_subcommand("diff", "Print what changed in the download between two projects (exit 1 when it did)");
  d->add_option("OLD", diff.project.db, "The older project database file")->required();
  d->add_option("NEW", diff.newer, "The newer project database file")->required();
  d->add_option("--busy-timeout", diff.project.busyTimeout, "Seconds to wait for another program's lock on a project")
      ->check(CLI::Range(0, 86400));
  d->add_flag("--json", diff.project.json, "One JSON object per unit added, removed or changed");
  d->callback([&exitCode] {
    exitCode = RunWithCompiler(diff.project, true,
                               [](clsDownload& compiler, DefaultHost& host, Connection& db, std::ostream& out) {
                                 auto log = std::make_shared<DiagnosticsLog>();
                                 Download older = DownloadOf(compiler, host, db);
                                 OpenProject project(diff.newer, diff.project, true, log);
                                 Download newer = DownloadOf(*project.compiler, *project.host, *project.conn);
                                 return Diff(diff.project.json, older, newer, out);
                               });
  });
}

}  // namespace brisklet::cli
