// The tests' way into the private members of clsDownload: each function makes the
// compiler's host current, as a public call would, and forwards to the member.
#pragma once
#include <string>

#include "component/clsDownload.h"

namespace brisklet {

struct clsDownloadTestAccess {
  static void ReportMessage(clsDownload& c, int32_t severity, int32_t moduleId, const std::string& location,
                            const std::string& message, int32_t displayId) {
    ActiveHost active(c.mHost);
    c.prvReportMessage(severity, moduleId, location, message, displayId);
  }
  static std::string GetModuleName(clsDownload& c, int32_t moduleId) {
    ActiveHost active(c.mHost);
    return c.prvGetModuleName(moduleId);
  }
  static void NormalizeTabOrder(clsDownload& c) {
    ActiveHost active(c.mHost);
    c.prvNormalizeTabOrder();
  }
  static void CheckFonts(clsDownload& c) {
    ActiveHost active(c.mHost);
    c.prvCheckFonts();
  }
  static void CheckDuplicateTabIndexes(clsDownload& c, int32_t displayId) {
    ActiveHost active(c.mHost);
    c.prvCheckDuplicateTabIndexes(displayId);
  }
  static void CheckDuplicateVarNames(clsDownload& c) {
    ActiveHost active(c.mHost);
    c.prvCheckDuplicateVarNames();
  }
};

}  // namespace brisklet
