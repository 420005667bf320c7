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
  BRISKLET_FORWARD(ReportMessage)
  BRISKLET_FORWARD(GetModuleName)
  BRISKLET_FORWARD(NormalizeTabOrder)
  BRISKLET_FORWARD(CheckDuplicateTabIndexes)
  BRISKLET_FORWARD(CheckTouchAndHide)
};

#undef BRISKLET_FORWARD

}  // namespace brisklet
