// The host's compile around CompileHMI: edits marked, deleted items removed, findings kept and
// told again, stale units removed.
#include "component/ProjectCompile.h"

#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "component/KeptItemFindings.h"
#include "component/Queries.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "database/EditLog.h"
#include "database/ProjectUpgrades.h"
#include "database/Recordset.h"
#include "database/TrackingCheck.h"
#include "host/DefaultHost.h"

namespace brisklet {

namespace {

std::string StateText(Connection& conn, const char* name) {
  std::optional<Value> v = conn.QueryValue(kSqlTrackingState, {Value(name)});
  return v && !v->IsNull() ? v->ToString(name) : std::string();
}

void SetState(Connection& conn, const char* name, const Value& value) {
  conn.Execute(kSqlSetTrackingState, {value, Value(name)});
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "; ") + line;
  return text;
}

// Run-time failures are the compile's own; the transaction keeps what was done either way.
class Transaction {
 public:
  explicit Transaction(Connection& conn) : mConn(conn), mOwned(!conn.InTransaction()) {
    if (mOwned) mConn.BeginTransaction();
  }
  void Commit() {
    if (mOwned && mConn.InTransaction()) mConn.Commit();
    mOwned = false;
  }
  ~Transaction() {
    if (mOwned && mConn.InTransaction()) sqlite3_exec(mConn.Handle(), "COMMIT", nullptr, nullptr, nullptr);
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

 private:
  Connection& mConn;
  bool mOwned;
};

}  // namespace

ProjectCompile::ProjectCompile(clsDownload& compiler, DefaultHost& host, Connection& conn)
    : mCompiler(compiler), mHost(host), mConn(conn) {}

ProjectCompileReport ProjectCompile::Run(const ProjectCompileOptions& options) {
  ProjectCompileReport report;
  Transaction transaction(mConn);
  Prepare(options, report);
  Tell(report);
  KeptItemFindings kept(mConn);
  mHost.SetNoticeTap([&kept](const std::string& text) {
    if (!kept.Recording()) return;
    ItemFinding notice;
    notice.notice = true;
    notice.message.message = text;
    kept.Keep(std::move(notice));
  });
  mCompiler.SetKeptItemFindings(&kept);
  struct Detach {
    ProjectCompile& self;
    ~Detach() {
      self.mCompiler.SetKeptItemFindings(nullptr);
      self.mHost.SetNoticeTap(nullptr);
    }
  } detach{*this};
  mCompiler.CompileHMI();
  Finish(report, kept.Stored());
  transaction.Commit();
  return report;
}

ProjectCompileReport ProjectCompile::PrepareOnly(const ProjectCompileOptions& options) {
  ProjectCompileReport report;
  Transaction transaction(mConn);
  Prepare(options, report);
  transaction.Commit();
  return report;
}

void ProjectCompile::Prepare(const ProjectCompileOptions& options, ProjectCompileReport& report) {
  UpgradeProject(mConn);
  report.trackingProblems = TrackingProblems(mConn);
  if (!report.trackingProblems.empty()) RepairTracking(mConn);
  NoteTrackingSound(mConn);
  std::string schema = StateText(mConn, "Schema");
  bool compiledBefore = mConn.QueryValue(kSqlAnyItemCompiled).has_value();
  if (options.rebuild) {
    report.recompileReason = "a rebuild was asked for";
  } else if (!report.trackingProblems.empty()) {
    report.recompileReason = "the change tracking was damaged (" + Joined(report.trackingProblems) + ") and repaired";
  } else if (schema.empty()) {
    if (compiledBefore) report.recompileReason = "the project was compiled before its edits were tracked";
  } else if (schema != SchemaText(mConn)) {
    std::vector<std::string> foreign = ForeignIndexes(mConn);
    report.recompileReason =
        "the project's tables, indexes or triggers changed since the last compile" +
        (foreign.empty() ? std::string() : " (indexes not of Brisklet's making: " + Joined(foreign) + ")");
  } else if (StateText(mConn, "Kept") != KeptText()) {
    report.recompileReason =
        "the findings kept by the last compile were changed, or the project was compiled as marked since";
  }
  if (!report.recompileReason.empty() || schema.empty()) {
    // Nothing kept can be vouched for: every item and every check again.
    mConn.Execute(kSqlEditEverything);
    mConn.Execute("DELETE FROM CompileItemFindings");
    SetState(mConn, "AllChanged", Value(1));
  }
  bool everything = HasEdits(kEditEverything);
  MarkEdits(everything);
  RemoveWhatDeletedItemsLeft(everything, report);
  FindItemsWithoutBookkeeping(everything, report);
  mConn.Execute(kSqlForgetEdits);
}

bool ProjectCompile::HasEdits(const char* what) { return mConn.QueryValue(kSqlHasEdits, {Value(what)}).has_value(); }

void ProjectCompile::MarkEdits(bool everything) {
  // Everything marked leaves nothing for the narrower steps to add.
  if (everything) {
    mConn.Execute(kSqlMarkEverything);
    return;
  }
  // Each step runs when the log holds what it reads, in an order where each adds what the
  // later ones read.
  const std::pair<const char*, const char*> steps[] = {
      {kEditModule, kSqlEditsOfModules},          {kEditPalette, kSqlEditsOfPalettes},
      {kEditFunction, kSqlEditsOfFunctions},      {kEditElementPictures, kSqlEditsOfElementPictures},
      {kEditPicture, kSqlEditsOfPictures},        {kEditPicture, kSqlBlobEditsOfPictures},
      {kEditPicture, kSqlDisplayEditsOfPictures}, {kEditDisplay, kSqlRecordsOfDisplays},
      {kEditDisplay, kSqlElementsOfDisplays},     {kEditDisplayRecord, kSqlItemsOfDisplayRecords},
      {kEditItem, kSqlMarkEditedItems},           {kEditAllElements, kSqlMarkAllElements},
      {kEditEverything, kSqlMarkEverything},
  };
  for (const auto& [what, sql] : steps) {
    if (HasEdits(what)) mConn.Execute(sql);
  }
}

void ProjectCompile::RemoveWhatDeletedItemsLeft(bool everything, ProjectCompileReport& report) {
  for (Recordset rs(mConn, everything ? kSqlUnitsOfDeletedItems : kSqlLoggedUnitsOfDeletedItems, 0, 1); !rs.Eof();
       rs.MoveNext()) {
    report.deletedItemGuids.push_back(rs.Field("UnitGuid").ToLong("UnitGuid"));
  }
  for (int64_t guid : report.deletedItemGuids) mConn.Execute(kSqlRemoveUnit, {Value(guid)});
  mConn.Execute(everything ? kSqlRemoveRowsOfDeletedItems : kSqlRemoveLoggedRowsOfDeletedItems);
  mConn.Execute(everything ? kSqlRemoveUnitsWithoutRows : kSqlRemoveLoggedUnitsWithoutRows);
  report.unitsWithoutItems = sqlite3_changes64(mConn.Handle());
}

void ProjectCompile::FindItemsWithoutBookkeeping(bool everything, ProjectCompileReport& report) {
  if (everything) {
    mConn.Execute(kSqlForgetUnbooked);
    mConn.Execute(kSqlAllUnbooked);
  } else if (HasEdits(kEditItem)) {
    mConn.Execute(kSqlForgetLoggedUnbooked);
    mConn.Execute(kSqlLoggedUnbooked);
  }
  for (Recordset rs(mConn, kSqlItemsWithoutRows, 0, 1); !rs.Eof(); rs.MoveNext()) {
    report.itemsWithoutRows.push_back({rs.Str("Kind"), rs.Field("ID"), rs.Field("GUID")});
  }
}

void ProjectCompile::Tell(const ProjectCompileReport& report) {
  if (!report.recompileReason.empty()) mHost.Notice("every item is compiled again: " + report.recompileReason);
  if (!report.deletedItemGuids.empty()) {
    size_t n = report.deletedItemGuids.size();
    std::string guids;
    for (size_t i = 0; i < n && i < 10; ++i) guids += (i ? ", " : "") + std::to_string(report.deletedItemGuids[i]);
    if (n > 10) guids += ", ...";
    mHost.Notice("removed " + std::to_string(n) +
                 (n == 1 ? " unit of a deleted item (GUID " : " units of deleted items (GUIDs ") + guids + ")");
  }
  if (report.unitsWithoutItems > 0) {
    mHost.Notice("removed " + std::to_string(report.unitsWithoutItems) +
                 " unit(s) of items without a DownloadDLUs row (such items are never compiled)");
  }
  for (const ItemWithoutRow& item : report.itemsWithoutRows) {
    mHost.Notice(item.kind + " " + item.id.SqlText() + " (GUID " + item.guid.SqlText() +
                 ") has no DownloadDLUs row and is never compiled");
  }
}

void ProjectCompile::Finish(ProjectCompileReport& report, const std::unordered_set<int64_t>& stored) {
  std::vector<int64_t> stale;
  for (Recordset rs(mConn, kSqlPendingUnits, 0, 1); !rs.Eof(); rs.MoveNext()) {
    int64_t guid = rs.Field("UnitGuid").ToLong("UnitGuid");
    if (!stored.contains(guid)) stale.push_back(guid);
  }
  for (int64_t guid : stale) mConn.Execute(kSqlRemoveUnit, {Value(guid)});
  report.staleUnitsRemoved = static_cast<int64_t>(stale.size());
  mConn.Execute(kSqlForgetFindingsWithoutUnits);
  // What the run itself wrote (renumbered tab indexes, units) was no edit.
  mConn.Execute(kSqlForgetEdits);
  SetState(mConn, "Schema", Value(SchemaText(mConn)));
  SetState(mConn, "Kept", Value(KeptText()));
  mConn.Execute(kSqlLastCompile);
}

std::string ProjectCompile::KeptText() { return mConn.QueryValue(kSqlKeptText).value_or(Value()).SqlText(); }

}  // namespace brisklet
