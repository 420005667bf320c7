// clsDownload: the compiler component. It turns the panel design of a project into download
// records (elements, displays, the page table), runs the design-rule checks and counts the
// errors and warnings it reports to the host's message sink.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Constants.h"
#include "checks/DesignChecks.h"
#include "database/Value.h"
#include "host/FindingSink.h"
#include "host/MessageSink.h"

namespace brisklet {

class TimerProperties;
class ClockProperties;
class EntryFieldProperties;
class KeptItemFindings;
struct ItemFinding;
struct BuiltElement;

class clsDownload : public DesignChecks {
 public:
  // Creates the image, font-name and text services and attaches the project connection.
  explicit clsDownload(HostFactory& host);
  ~clsDownload() override;

  // The system's message sink; each message reaches it through a MessageSinkAdapter.
  std::shared_ptr<MessageSink> CompMsg() const { return mCompMsg; }
  void SetCompMsg(std::shared_ptr<MessageSink> pCompMsg);
  // Where the messages go with their rule and element as well (beside CompMsg, when both are set).
  std::shared_ptr<FindingSink> Findings() const { return mFindings; }
  void SetFindingSink(std::shared_ptr<FindingSink> sink) { mFindings = std::move(sink); }

  void CompileHMI();
  void CompileHmiElement(int32_t pElementID);
  int32_t HmiElementSize(int32_t pElementID);
  void CompileDisplay(int32_t pDisplayID);
  int ShowMsgbox(int32_t pID, const ParamList& pParams = {});
  // The smallest frame (pDx x pDy) that shows the clock's or timer's format in its text
  // object's font and frame style, and the text measured.
  void prvRTCMinimumSize(ClockProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText);
  void prvTimerMinimumSize(TimerProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText);
  // The smallest frame of an entry field of that mode in its text object's font and frame
  // style: modes 1 and 5 measure "00:00" or "9999" (which pText receives), modes 2 to 4 the
  // names of the calendar section; other modes leave the sizes unchanged.
  void prvGetEntryMinimumSize(EntryFieldProperties& pVar, int32_t& pDx, int32_t& pDy, int32_t pMode,
                              std::string& pText);
  // The grid of an entry mode and the height and widest width of its calendar names.
  void prvGetCalendarNameSize(EntryFieldProperties& pVar, int32_t pKind, int32_t pLanguage, int32_t& pColumns,
                              int32_t& pRows, int32_t& pHeight, int32_t& pWidth);

  // The record of one element or display, built as HmiElementSize and CompileDisplay build
  // it, without storing it (empty for an element of a display of module -1).
  Bytes ElementRecord(int32_t pElementID);
  Bytes DisplayRecord(int32_t pDisplayID);

  // Told as a CompileHMI goes: items compiled so far, items pending at its start.
  void SetProgress(std::function<void(int64_t done, int64_t total)> progress) { mProgress = std::move(progress); }

  // Whether CompileHMI walks the checks' own texts over the whole project (the reference)
  // instead of reporting kept findings after walking again only what changed. The results
  // are the same; the reference is slower and makes the next incremental run walk everything.
  void SetReferenceRun(bool reference) { mReferenceRun = reference; }
  // Whether the last CompileHMI ran incrementally (a project out of the ordinary, or a check
  // failing on a row, makes it run by reference).
  bool LastRunIncremental() const { return mLastRunIncremental; }
  // Whether CompileHMI builds element records on a second thread while it stores them, where
  // the machine has two cores (on by default; the results are the same either way).
  void SetBuildAhead(bool ahead) { mBuildAhead = ahead; }
  // Whether CompileHMI reads element rows and their pictures a batch at a time; off, each
  // element reads its own, and no second thread builds (on by default; the same results).
  void SetReadAhead(bool ahead) { mReadAhead = ahead; }

  // Where the findings of each compiled item are kept, and from where those of the items this
  // run does not compile are told again, in the order a compile of every item tells them (the
  // host's compile sets it; without it a run reports only what it compiles).
  void SetKeptItemFindings(KeptItemFindings* kept) { mKeptItems = kept; }

  int32_t ErrorCount() const { return mErrorCount; }
  int32_t WarningCount() const { return mWarningCount; }

 private:
  friend struct clsDownloadTestAccess;

  // Messages and tab order.
  void prvReportMessage(DesignMessage message) override;
  std::string prvGetModuleName(int32_t moduleId);
  void prvNormalizeTabOrder();
  void prvNormalizeChangedTabOrder(bool everything);
  void prvWalkTabOrder(Recordset& rows);

  // The two runs of CompileHMI, and what both do between the first checks and the last.
  void prvRunByReference();
  void prvRunIncrementally();
  // The pending elements, then the displays of displaysSql (compiled when pending, their tab
  // indexes checked).
  void prvCompilePending(const char* displaysSql, const std::function<void(int32_t)>& checkTabIndexes);
  // Tells the kept findings of items of that type up to a GUID (see KeptItemFindings::TellUpTo);
  // the GUID is read by the query only when there is something left to tell.
  void prvTellKept(int16_t itemType, const char* guidSql, std::optional<int32_t> id, bool through);
  void prvTellKept(const ItemFinding& finding);
  // An element compiled in two halves: its row opened and record built, with what it tells held
  // (on either thread), then what it told told and the record stored (on the walk's thread).
  BuiltElement prvBuildElement(int32_t elementId);
  void prvStoreElement(BuiltElement& built);
  // The incremental run: whether it can be used, the tab order and checks of what changed
  // (false, with nothing changed, when it cannot or a check failed), and the end.
  bool prvTrackingUsable();
  bool prvStartIncrementalRun();
  void prvFinishIncrementalRun();
  void prvSetTrackingState(const char* name, const Value& value);

  std::shared_ptr<MessageSink> mCompMsg;
  std::unique_ptr<MessageSinkAdapter> mCompMsgAdapter;
  std::shared_ptr<FindingSink> mFindings;
  std::function<void(int64_t, int64_t)> mProgress;
  KeptItemFindings* mKeptItems = nullptr;
  bool mReferenceRun = false;
  bool mBuildAhead = true;
  bool mReadAhead = true;
  bool mLastRunIncremental = false;
  int32_t mErrorCount = 0;
  int32_t mWarningCount = 0;
  // Module names read during the CompileHMI in progress (none outside one): a run that reports
  // thousands of messages reads each module's name once.
  std::optional<std::map<int32_t, std::string>> mModuleNames;
};

}  // namespace brisklet
