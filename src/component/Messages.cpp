// Reporting design problems: counted as errors or warnings and forwarded to the sinks.
#include "component/Queries.h"
#include "component/KeptItemFindings.h"
#include "component/clsDownload.h"
#include "encoding/HostMessages.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

void clsDownload::prvReportMessage(DesignMessage message) {
  if (HeldReports* held = HoldReports::Here()) {  // told when the walk comes to the element
    held->reports.push_back([this, message] { prvReportMessage(message); });
    return;
  }
  message.moduleName = prvGetModuleName(message.moduleId);
  if (message.severity == kSeverityError) ++mErrorCount;
  if (message.severity == kSeverityWarning) ++mWarningCount;
  if (mKeptItems && mKeptItems->Recording()) mKeptItems->Keep({false, message});
  if (mCompMsgAdapter) mCompMsgAdapter->AddFinding(message);
  if (mFindings) mFindings->AddFinding(message);
}

std::string clsDownload::prvGetModuleName(int32_t moduleId) {
  if (mModuleNames) {
    auto known = mModuleNames->find(moduleId);
    if (known != mModuleNames->end()) return known->second;
  }
  auto rs = GetRecordset(kSqlModule + std::string("?"), {moduleId}, 0, 1);
  std::string name = rs->Eof() ? std::string() : rs->Field("ModuleName").ToString("ModuleName");
  rs->Close();
  if (mModuleNames) mModuleNames->emplace(moduleId, name);
  return name;
}

}  // namespace brisklet
