// The tests' way into the private members of clsDownload: each function makes the
// compiler's host current, as a public call would, and forwards to the member.
#pragma once
#include <utility>

#include "component/clsDownload.h"

namespace brisklet {

#define BRISKLET_FORWARD(name)                       \
  template <typename... Args>                        \
  static auto name(clsDownload& c, Args&&... args) { \
    ActiveHost active(c.mHost);                      \
    return c.prv##name(std::forward<Args>(args)...); \
  }

struct clsDownloadTestAccess {
  BRISKLET_FORWARD(NormalizeTabOrder)
  BRISKLET_FORWARD(CheckDuplicateTabIndexes)
  BRISKLET_FORWARD(RunCheck)
  static void ReportMessage(clsDownload& c, int32_t severity, int32_t moduleId, const std::string& location,
                            const std::string& message, int32_t displayId) {
    ActiveHost active(c.mHost);
    c.prvReportMessage({kRuleOther, severity, moduleId, location, message, displayId});
  }
};

#undef BRISKLET_FORWARD

}  // namespace brisklet
