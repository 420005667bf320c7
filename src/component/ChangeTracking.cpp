// Starting and finishing an incremental run: whether what the project tracks can be trusted,
// the tab order and the checks of what changed, and forgetting the changes once reported.
#include "base/RuntimeError.h"
#include "checks/Queries.h"
#include "component/Queries.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

namespace {

Value TrackingState(const char* name) {
  return ProjectConnection().QueryValue(kSqlTrackingState, {Value(name)}).value_or(Value());
}

}  // namespace

void clsDownload::prvSetTrackingState(const char* name, const Value& value) {
  ExecuteSql(kSqlSetTrackingState, {value, Value(name)});
}

// Rows out of the ordinary (display numbers outside 1 to 2^31-1, GUIDs that are not
// integers) and statistics that could change SQLite's choice of plan are left to the
// reference run, which needs no partitions.
bool clsDownload::prvTrackingUsable() {
  Connection& conn = ProjectConnection();
  if (conn.QueryValue(kSqlHasStatistics)) return false;
  if (TrackingState("Unchecked").SqlText() == "0") return true;
  if (conn.QueryValue(kSqlIrregularRows).value_or(Value(1)).SqlText() != "0") return false;
  prvSetTrackingState("Unchecked", Value(0));
  return true;
}

bool clsDownload::prvStartIncrementalRun() {
  if (!prvTrackingUsable()) return false;
  ExecuteSql(kSqlSavepoint, {});
  try {
    ExecuteSql(kSqlDisplaysOfChangedModules, {});
    std::string messages = prvFontWarningText();
    bool everything = TrackingState("AllChanged").SqlText() != "0" ||
                      TrackingState("Messages").SqlText() != Value(messages).SqlText();
    if (everything) {
      ExecuteSql(kSqlAllDisplaysChanged, {});
      ExecuteSql(kSqlForgetAllFindings, {});
    }
    prvNormalizeChangedTabOrder(everything);
    if (!everything) ExecuteSql(kSqlNamesOfChangedDisplays, {});
    prvRecomputeChangedFindings(everything);
    prvSetTrackingState("Messages", Value(messages));
    ExecuteSql(kSqlReleaseSavepoint, {});
    return true;
  } catch (const RuntimeError&) {
    // A check failed on a row, or a message text could not be read: the reference run fails
    // there as well, at the place and after the steps (tab order, findings) that the
    // project's order gives, and what it did before stays done.
    ExecuteSql(kSqlRollbackSavepoint, {});
    ExecuteSql(kSqlReleaseSavepoint, {});
    return false;
  }
}

void clsDownload::prvFinishIncrementalRun() {
  ExecuteSql(kSqlEmptyChangedDisplays, {});
  ExecuteSql(kSqlEmptyChangedNames, {});
  ExecuteSql(kSqlEmptyChangedModules, {});
  ExecuteSql(kSqlClearCandidateGuids, {});
  prvSetTrackingState("AllChanged", Value(0));
}

}  // namespace brisklet
