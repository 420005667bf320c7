// The compile pipeline: everything pending, then the checks (in the order and at the stages of
// the check table); single elements and displays. A run walks the checks' own texts over the
// whole project (the reference run), or reports the findings kept from earlier runs after
// walking again what changed since (the incremental run); both report the same findings in the
// same order.
#include "base/RuntimeError.h"
#include "base/WriteTrace.h"
#include "component/BuildAhead.h"
#include "component/KeptItemFindings.h"
#include "component/Queries.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "database/ProjectUpgrades.h"
#include "elements/ElementRowsAhead.h"
#include "encoding/HostMessages.h"
#include "encoding/ImageFacts.h"
#include "encoding/ImagesAtHand.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

namespace {

// The findings an item's compile reports, kept with it when there is somewhere to keep them. A
// compile that fails part-way keeps nothing (the item stays as it was).
class KeptItem {
 public:
  KeptItem(KeptItemFindings* kept, int64_t guid, int16_t type) : mKept(kept) {
    if (mKept) mKept->Start(guid, type);
  }
  void Finish(bool stored) {
    if (mKept) mKept->Finish(stored);
    mKept = nullptr;
  }
  ~KeptItem() {
    if (mKept) mKept->Abandon();
  }
  KeptItem(const KeptItem&) = delete;
  KeptItem& operator=(const KeptItem&) = delete;

 private:
  KeptItemFindings* mKept;
};

// The same failure, placed in the scopes open here as well (it was raised on another thread).
std::exception_ptr InOpenScopes(const std::exception_ptr& failure) {
  if (!failure) return failure;
  try {
    std::rethrow_exception(failure);
  } catch (const RuntimeError& e) {
    return std::make_exception_ptr(RuntimeError::Relocated(e));
  } catch (...) {
    return failure;
  }
}

}  // namespace

void clsDownload::CompileHMI() {
  ActiveHost active(mHost);
  // Nothing in a run changes the module names, the message texts, the element locations or the
  // pictures: each is read once per run.
  mModuleNames.emplace();
  mElementLocations.emplace();
  struct ForgetModuleNames {
    std::optional<std::map<int32_t, std::string>>& names;
    std::optional<std::string>& fontWarning;
    std::optional<std::map<int32_t, std::string>>& locations;
    ~ForgetModuleNames() {
      names.reset();
      fontWarning.reset();
      locations.reset();
    }
  } forget{mModuleNames, mFontWarningText, mElementLocations};
  ImageFacts pictures;
  ImageFactsAtHand keepPictures(&pictures);
  auto scope = mHost.NewCompileScope();
  scope->Prepare();
  scope->Begin();
  UpgradeProject(ProjectConnection());
  ExecuteSql(kSqlCountRun, {});
  mLastRunIncremental = !mReferenceRun && prvStartIncrementalRun();
  if (mLastRunIncremental) {
    prvRunIncrementally();
  } else {
    prvRunByReference();
  }
  scope->End();
  scope.reset();
}

void clsDownload::prvRunByReference() {
  prvSetTrackingState("AllChanged", Value(1));  // what is kept no longer follows the project
  prvNormalizeTabOrder();
  mErrorCount = 0;
  mWarningCount = 0;
  mGuidClashes = {};
  for (const CheckRow& check : CheckTable()) {
    if (check.stage == CheckStage::kBeforeElements) prvRunCheck(check);
  }
  prvCompilePending(kSqlDisplays, [&](int32_t id) { prvCheckDuplicateTabIndexes(id); });
  for (const CheckRow& check : CheckTable()) {
    if (check.stage == CheckStage::kAfterDisplays) prvRunCheck(check);
  }
}

void clsDownload::prvRunIncrementally() {
  mErrorCount = 0;
  mWarningCount = 0;
  mGuidClashes = {};
  for (const CheckRow& check : CheckTable()) {
    if (check.stage == CheckStage::kBeforeElements) prvReportKept(check);
  }
  auto tabIndexes = prvKeptTabIndexFindings();
  prvCompilePending(kSqlDisplaysToVisit, [&](int32_t id) { prvReportKeptTabIndexes(id, tabIndexes); });
  for (const CheckRow& check : CheckTable()) {
    if (check.stage == CheckStage::kAfterDisplays) prvReportKept(check);
  }
  prvFinishIncrementalRun();
}

void clsDownload::prvCompilePending(const char* displaysSql, const std::function<void(int32_t)>& checkTabIndexes) {
  if (mKeptItems) mKeptItems->Load();
  // Static cursors, which know their counts (a forward-only one answers -1).
  auto elements = GetRecordset(kSqlPendingElements, kStatic, 3);
  int64_t done = 0, total = elements->RecordCount();
  if (mProgress) {  // the displays counted up front, so that the total holds from the start
    std::optional<Value> displays =
        ProjectConnection().QueryValue("SELECT COUNT(*) FROM (" + std::string(displaysSql) + ")");
    total += displays ? displays->ToLong("COUNT(*)") : 0;
  }
  auto progress = [&] {
    if (mProgress) mProgress(++done, total);
  };
  std::vector<int32_t> order;
  order.reserve(static_cast<size_t>(std::max(elements->RecordCount(), 0)));
  for (; !elements->Eof(); elements->MoveNext()) order.push_back(elements->Long("ID"));
  if (mReadAhead) mRowsAhead = std::make_unique<ElementRowsAhead>(ProjectConnection(), order);
  struct Forget {  // rows read ahead hold only for this walk, however it ends
    std::unique_ptr<ElementRowsAhead>& rows;
    ~Forget() { rows.reset(); }
  } forget{mRowsAhead};
  auto buildAt = [&](size_t at) {
    if (mRowsAhead) mRowsAhead->MoveTo(at);
    if (!mGuidClashes.elements.contains(order[at])) return prvBuildElement(order[at]);
    BuiltElement clashing;  // not compiled
    clashing.id = order[at];
    return clashing;
  };
  // With two cores the records are built on a second thread while this one stores them (not
  // while a trace of this thread's writes is kept).
  std::optional<BuildAhead> ahead;
  if (mBuildAhead && mRowsAhead && order.size() > 1 && std::thread::hardware_concurrency() > 1 &&
      !WriteTrace::Attached()) {
    ahead.emplace(order.size(), buildAt, mHost);
  }
  for (size_t at = 0; at < order.size(); ++at) {
    prvTellKept(kUnitElement, kSqlElementGuid, order[at], false);
    if (ahead) mRowsAhead->ReadUpTo(at + BuildAhead::kAhead + ElementRowsAhead::kBatch);
    BuiltElement built = ahead ? ahead->Next() : buildAt(at);
    prvStoreElement(built);
    if (ahead) ahead->Spent(std::move(built));  // freed by the thread that made it
    progress();
  }
  ahead.reset();
  prvTellKept(kUnitElement, nullptr, std::nullopt, true);
  auto displays = GetRecordset(displaysSql, kStatic, 3);
  total = done + displays->RecordCount();
  for (; !displays->Eof(); displays->MoveNext()) {
    int32_t id = displays->Long("ID");
    bool pending = displays->Long("IsCompiled") == 0;
    prvTellKept(kUnitDisplay, kSqlDisplayGuid, id, !pending);
    if (pending && !mGuidClashes.displays.contains(id)) CompileDisplay(id);
    checkTabIndexes(id);
    progress();
  }
  prvTellKept(kUnitDisplay, nullptr, std::nullopt, true);
}

void clsDownload::prvTellKept(int16_t itemType, const char* guidSql, std::optional<int32_t> id, bool through) {
  if (!mKeptItems || !mKeptItems->HasUntold(itemType)) return;
  std::optional<int64_t> guid;
  if (id) {
    std::optional<Value> value = ProjectConnection().QueryValue(guidSql, {Value(*id)});
    if (!value || value->IsNull()) return;
    guid = value->ToLong("GUID");
  }
  mKeptItems->TellUpTo(itemType, guid, through, [this](const ItemFinding& f) { prvTellKept(f); });
}

void clsDownload::prvTellKept(const ItemFinding& finding) {
  if (finding.notice) {
    ShowMessageBox(finding.message.message);
  } else {
    prvReportMessage(finding.message);
  }
}

void clsDownload::CompileHmiElement(int32_t pElementID) {
  ActiveHost active(mHost);
  BuiltElement built = prvBuildElement(pElementID);
  prvStoreElement(built);
}

BuiltElement clsDownload::prvBuildElement(int32_t elementId) {
  BuiltElement built;
  built.id = elementId;
  try {
    HoldReports hold(built.held);
    ErrorScope scope("element");
    auto row = prvOpenElement(elementId, scope);
    if (!row) return built;
    built.guid = row->Long("VariableGUID");
    ImagesAtHand images(mRowsAhead ? mRowsAhead->ImagesOf(elementId) : nullptr);
    built.record = prvCompileElementRecord(*row);
    built.row = std::move(row);
  } catch (...) {
    built.failure = std::current_exception();
  }
  return built;
}

void clsDownload::prvStoreElement(BuiltElement& built) {
  std::exception_ptr failure = built.elsewhere ? InOpenScopes(built.failure) : built.failure;
  ErrorScope scope("element");
  prvPlaceElement(scope, built.id, built.row.get());
  int32_t errors = mErrorCount;
  int32_t warnings = mWarningCount;
  std::optional<KeptItem> kept;
  if (built.row) kept.emplace(mKeptItems, built.guid, kUnitElement);
  built.held.TellAll();
  if (failure) std::rethrow_exception(failure);
  if (!built.row) return;
  // The GUID is bound, never pasted into the text: a cell may hold anything.
  auto markPending = [&] {
    built.row->ActiveConnection().Execute(kSqlMarkPending + std::string("?"), {built.row->Field("VariableGUID")});
  };
  if (mErrorCount > errors) {
    markPending();
    kept->Finish(false);
    return;
  }
  prvNewUnit(built.guid, built.record)->SetUnitType(kUnitElement);
  kept->Finish(true);
  if (mWarningCount > warnings) markPending();
}

Bytes clsDownload::ElementRecord(int32_t pElementID) {
  ActiveHost active(mHost);
  ErrorScope scope("element");
  auto row = prvOpenElement(pElementID, scope);
  if (!row) return {};
  return prvCompileElementRecord(*row);
}

int32_t clsDownload::HmiElementSize(int32_t pElementID) {
  return static_cast<int32_t>(ElementRecord(pElementID).size());
}

Bytes clsDownload::DisplayRecord(int32_t pDisplayID) {
  ActiveHost active(mHost);
  ErrorScope scope("display " + std::to_string(pDisplayID));
  auto row = prvOpenDisplayRow(pDisplayID);
  if (row->Eof() || row->Bof()) return {};
  return prvCompileDisplayRecord(*row);
}

void clsDownload::CompileDisplay(int32_t pDisplayID) {
  ActiveHost active(mHost);
  ErrorScope scope("display " + std::to_string(pDisplayID));
  auto row = prvOpenDisplayRow(pDisplayID);
  if (row->Eof() || row->Bof()) return;
  KeptItem kept(mKeptItems, row->Long("PageGUID"), kUnitDisplay);
  Bytes record = prvCompileDisplayRecord(*row);
  prvNewUnit(row->Long("PageGUID"), record)->SetUnitType(kUnitDisplay);
  kept.Finish(true);
}

}  // namespace brisklet
