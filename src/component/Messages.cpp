// Reporting design problems: counted as errors or warnings and forwarded to the sink.
#include "component/Queries.h"
#include "component/clsDownload.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

void clsDownload::prvReportMessage(int32_t severity, int32_t moduleId, const std::string& location,
                                   const std::string& message, int32_t displayId) {
  std::string moduleName = prvGetModuleName(moduleId);
  if (severity == kSeverityError) ++mErrorCount;
  if (severity == kSeverityWarning) ++mWarningCount;
  if (!mCompMsg) return;
  mCompMsg->AddCompileMessage(5, 0, severity, moduleId, displayId, moduleName, location, 0, message);
  mCompMsg->AddOutputMessage(0, severity, moduleName, location, message, moduleId, displayId);
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
