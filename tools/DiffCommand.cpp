// brisklet diff: what changed in the download between two projects: units added (with their
// fields), removed and changed, each change as the decoded fields and list entries that differ.
// Exit 0 when the downloads are equal, 1 when they differ, 2 when one was never compiled.
#include <map>
#include <memory>
#include <optional>
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

// A project's download read one unit at a time in GUID order, its page table in its place, so
// that two projects of a million units are compared without holding either.
class Download {
 public:
  // A failure when the project stores no unit, as a project never compiled.
  Download(clsDownload& compiler, DefaultHost& host, Connection& db, const std::string& path)
      : context(ReadDecodeContext(host, db)) {
    StoredRecordReader guids(db, false);
    bool any = false;
    for (StoredRecord r; guids.Next(r); any = true) labels.emplace(static_cast<uint16_t>(r.guid), r.label);
    if (!any) throw RuntimeError(path + " has no compiled download: compile it first");
    if (db.QueryValue("SELECT COUNT(*) FROM Pages").value_or(Value(0)).ToLong("COUNT(*)") > 0) {
      mPageTable = DecodedUnit{"page table", compiler.GetConvertionPageNumToPointerTable().front()->Data(), {}, {}};
    }
    mStored = std::make_unique<StoredRecordReader>(db);
    ReadAhead();
  }

  // Moves `guid` and `unit` to the next unit; false after the last.
  bool Next() {
    if (mPageTable && (!mAhead || mAheadGuid >= kPageTableGuid)) {
      if (mAhead && mAheadGuid == kPageTableGuid) ReadAhead();  // the page table stands for it
      guid = kPageTableGuid;
      unit = std::move(*mPageTable);
      mPageTable.reset();
      return true;
    }
    if (!mAhead) return false;
    guid = mAheadGuid;
    unit = std::move(*mAhead);
    ReadAhead();
    return true;
  }

  DecodeContext context;
  UnitLabels labels;  // by the low 16 bits of the GUID, as records name units
  int32_t guid = 0;
  DecodedUnit unit;

 private:
  void ReadAhead() {
    StoredRecord r;
    mAhead.reset();
    if (!mStored->Next(r)) return;
    mAheadGuid = r.guid;
    mAhead = DecodedUnit{std::move(r.label), std::move(r.data), {}, {}};
  }

  std::unique_ptr<StoredRecordReader> mStored;
  std::optional<DecodedUnit> mAhead;  // the next stored unit
  int32_t mAheadGuid = 0;
  std::optional<DecodedUnit> mPageTable;  // until its turn
};

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

// Writes what changed from `older` to `newer`, unit by unit as they are read; 1 when anything did.
int Diff(bool json, Download& older, Download& newer, std::ostream& out) {
  int outcome = 0;
  bool was = older.Next();
  bool is = newer.Next();
  while ((was || is) && !OutputStopped(out)) {
    if (!is || (was && older.guid < newer.guid)) {
      Removed(out, json, older.unit);
      outcome = 1;
      was = older.Next();
    } else if (!was || newer.guid < older.guid) {
      Added(out, json, std::move(newer.unit), newer);
      outcome = 1;
      is = newer.Next();
    } else {
      if (older.unit.data != newer.unit.data) {
        Changed(out, json, older.unit, newer.unit, older, newer);
        outcome = 1;
      }
      was = older.Next();
      is = newer.Next();
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
    diff.project.readInPlace = true;  // both projects read from their files, the changes written as found
    exitCode = RunWithCompiler(diff.project, true,
                               [](clsDownload& compiler, DefaultHost& host, Connection& db, std::ostream& out) {
                                 auto log = std::make_shared<DiagnosticsLog>();
                                 Download older(compiler, host, db, diff.project.db);
                                 OpenProject project(diff.newer, diff.project, true, log);
                                 Download newer(*project.compiler, *project.host, *project.conn, diff.newer);
                                 return Diff(diff.project.json, older, newer, out);
                               });
  });
}

}  // namespace brisklet::cli
