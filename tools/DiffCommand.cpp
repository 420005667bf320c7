// brisklet diff: what changed in the download between two projects: units added (with their
// fields), removed and changed, each change as the decoded fields and list entries that differ.
// Exit 0 when the downloads are equal, 1 when they differ, 2 when one was never compiled.
#include <map>
#include <sstream>

#include "CommandSupport.h"
#include "Commands.h"
#include "DiffOutput.h"
#include "RecordOutput.h"
#include "decoding/DecodeContext.h"
#include "decoding/FieldChanges.h"
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
  UnitLabels labels;  // by the low 16 bits of the GUID, as records name units
};

// The download a project stores; a failure when it stores none, as a project never compiled.
Download DownloadOf(clsDownload& compiler, DefaultHost& host, Connection& db, const std::string& path) {
  Download d;
  d.context = ReadDecodeContext(host, db);
  for (StoredRecord& r : ReadStoredRecords(db)) {
    d.labels.emplace(static_cast<uint16_t>(r.guid), r.label);
    d.units[r.guid] = {r.label, std::move(r.data), {}, {}};
  }
  if (d.units.empty()) throw RuntimeError(path + " has no compiled download: compile it first");
  if (db.QueryValue("SELECT COUNT(*) FROM Pages").value_or(Value(0)).ToLong("COUNT(*)") > 0) {
    d.units[kPageTableGuid] = {"page table", compiler.GetConvertionPageNumToPointerTable().front()->Data(), {}, {}};
  }
  return d;
}

void WriteJson(std::ostream& out, const nlohmann::ordered_json& json) {
  out << json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

// A unit only the old project has is one line; one only the new project has shows its fields
// as dump shows them.
void Removed(std::ostream& out, bool json, const DecodedUnit& unit) {
  if (json) {
    WriteJson(out, {{"unit", unit.label}, {"change", "removed"}, {"length", unit.data.size()}});
  } else {
    out << unit.label << ": removed, " << unit.data.size() << " bytes\n";
  }
}

void Added(std::ostream& out, bool json, DecodedUnit unit, const Download& newer) {
  unit.record = DecodeRecord(unit.data, newer.context);
  if (json) {
    nlohmann::ordered_json object = {{"unit", unit.label}, {"change", "added"}};
    nlohmann::ordered_json dumped = UnitJson(unit);
    for (auto& [key, value] : dumped.items()) {
      if (key != "unit") object[key] = value;
    }
    WriteJson(out, object);
    return;
  }
  std::ostringstream fields;
  WriteUnitText(fields, unit);
  std::string text = fields.str();
  out << unit.label << ": added, " << unit.data.size() << " bytes" << text.substr(text.find('\n'));
}

void Changed(std::ostream& out, bool json, const DecodedUnit& before, const DecodedUnit& after, const Download& older,
             const Download& newer) {
  RecordChanges changes =
      CompareRecords(DecodeRecord(before.data, older.context), DecodeRecord(after.data, newer.context));
  if (json) {
    nlohmann::ordered_json object = {{"unit", after.label}, {"change", "changed"}};
    nlohmann::ordered_json found = ChangesJson(changes, older.labels, newer.labels);
    for (auto& [key, value] : found.items()) object[key] = value;
    WriteJson(out, object);
  } else if (changes.Empty()) {  // the same fields, meaning the same, in other bytes
    out << after.label << ": other bytes, the same fields\n";
  } else {
    WriteChangesText(out, after.label, changes, older.labels, newer.labels);
  }
}

// Writes what changed from `older` to `newer`; 1 when anything did.
int Diff(bool json, const Download& older, const Download& newer, std::ostream& out) {
  int outcome = 0;
  auto was = older.units.begin();
  auto is = newer.units.begin();
  while (was != older.units.end() || is != newer.units.end()) {
    if (is == newer.units.end() || (was != older.units.end() && was->first < is->first)) {
      Removed(out, json, was++->second);
      outcome = 1;
    } else if (was == older.units.end() || is->first < was->first) {
      Added(out, json, is++->second, newer);
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
    exitCode = RunWithCompiler(
        diff.project, true, [](clsDownload& compiler, DefaultHost& host, Connection& db, std::ostream& out) {
          auto log = std::make_shared<DiagnosticsLog>();
          Download older = DownloadOf(compiler, host, db, diff.project.db);
          OpenProject project(diff.newer, diff.project, true, log);
          Download newer = DownloadOf(*project.compiler, *project.host, *project.conn, diff.newer);
          return Diff(diff.project.json, older, newer, out);
        });
  });
}

}  // namespace brisklet::cli
