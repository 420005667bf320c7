// clsDownload: the compiler component. It turns the panel design of a project into download
// records (elements, displays, the page table), runs the design-rule checks and counts the
// errors and warnings it reports to the host's message sink.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "database/Recordset.h"
#include "database/Value.h"
#include "host/HostFactory.h"
#include "host/MessageSink.h"

namespace brisklet {

class ElementProperties;

class clsDownload {
 public:
  // Creates the image, font-name and text services and attaches the project connection.
  explicit clsDownload(HostFactory& host);
  ~clsDownload();
  clsDownload(const clsDownload&) = delete;
  clsDownload& operator=(const clsDownload&) = delete;

  std::shared_ptr<MessageSink> CompMsg() const { return mCompMsg; }
  void SetCompMsg(std::shared_ptr<MessageSink> pCompMsg) { mCompMsg = std::move(pCompMsg); }

  void CompileHMI();
  void CompileHmiElement(int32_t pElementID);
  int32_t HmiElementSize(int32_t pElementID);
  void CompileDisplay(int32_t pDisplayID);
  // A new collection holding the one unit of the page conversion table.
  std::vector<std::unique_ptr<DownloadUnit>> GetConvertionPageNumToPointerTable();
  int ShowMsgbox(int32_t pID, const ParamList& pParams = {});
  void prvRTCMinimumSize(ElementProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText);
  void prvTimerMinimumSize(ElementProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText);

  // The record of one element or display, built as HmiElementSize and CompileDisplay build
  // it, without storing it (empty for an element of a display of module -1).
  Bytes ElementRecord(int32_t pElementID);
  Bytes DisplayRecord(int32_t pDisplayID);

  int32_t ErrorCount() const { return mErrorCount; }
  int32_t WarningCount() const { return mWarningCount; }

  // A kind compiler: the element row in, the kind bytes out.
  using KindCompiler = Bytes (clsDownload::*)(Recordset& row);

 private:
  friend struct clsDownloadTestAccess;
  static std::span<const struct KindRow> prvKindTable();

  // Messages and tab order.
  void prvReportMessage(int32_t severity, int32_t moduleId, const std::string& location, const std::string& message,
                        int32_t displayId);
  std::string prvGetModuleName(int32_t moduleId);
  void prvNormalizeTabOrder();

  // Pipeline checks.
  void prvCheckFonts();
  void prvCheckDuplicateTabIndexes(int32_t displayId);

  // Project checks, in the order the pipeline runs them.
  void prvCheck3DSize();
  void prvCheckDuplicateTouch();
  void prvCheckTouchAndHide();
  void prvCheckTouchVsSwitch();
  void prvCheckDuplicateVarNames();
  void prvCheckTrendGraphSize();
  void prvCheckTrendsTree();
  std::string prvGetElementLocation(Recordset& row);

  // Elements.
  std::unique_ptr<Recordset> prvOpenElementRow(int32_t elementId);
  Bytes prvCompileElementRecord(Recordset& row);
  Bytes prvGetVariableDataByType(Recordset& row, int32_t type, int32_t varType);
  int32_t prvGetTouchKind(Recordset& row);
  int32_t prvGetLinkedVariableFlag(Recordset& row);
  std::string prvFitTextToFrame(int32_t xs, int32_t ys, int32_t dx, int32_t dy, const std::string& text,
                                int32_t fontNumber, int32_t flat3D);
  void prvReportTextFitWarning(Recordset& row, const std::string& text, const std::string& fitted);
  int32_t prvImageNumber(int32_t crc);

  // Element kinds.
  Bytes prvCompileRectangle(Recordset& row);
  Bytes prvCompileLine(Recordset& row);
  Bytes prvCompileEllipse(Recordset& row);
  Bytes prvCompileRoundRect(Recordset& row);
  Bytes prvCompileStaticPicture(Recordset& row);
  Bytes prvCompileTextBox(Recordset& row);
  Bytes prvCompileTextButton(Recordset& row);
  Bytes prvCompileTextBlock(Recordset& row, int32_t textMode);

  // Displays.
  std::unique_ptr<Recordset> prvOpenDisplayRow(int32_t displayId);
  Bytes prvCompileDisplayRecord(Recordset& row);
  void prvGetDisplayElementList(int32_t displayId, Bytes& list, int32_t& count);
  void prvAppendElementGuids(Bytes& list, Recordset& rs);
  Bytes prvCompileDisplayJumps(int32_t displayId, int32_t isDisplayedOpType, int32_t isDisplayedOpAddress);

  HostFactory& mHost;
  std::unique_ptr<ImageService> mImageService;
  std::shared_ptr<MessageSink> mCompMsg;
  int32_t mErrorCount = 0;
  std::unique_ptr<FontNameService> mFontService;
  int32_t mWarningCount = 0;
  std::unique_ptr<TextService> mTextService;
  // Module names read during the CompileHMI in progress (none outside one): a run that reports
  // thousands of messages reads each module's name once.
  std::optional<std::map<int32_t, std::string>> mModuleNames;
};

// Severities of reported messages.
constexpr int32_t kSeverityError = 0;
constexpr int32_t kSeverityWarning = 1;

}  // namespace brisklet
