// The screen and code page our own checks measure against.
#include "lint/LintContext.h"

#include "host/HostFactory.h"
#include "host/ScreenInfo.h"
#include "preview/DisplayPreview.h"

namespace brisklet {

LintContext ContextOf(Connection& db, HostFactory& host) {
  int32_t reserved = 0;
  int32_t width = host.NewScreenInfo()->GetScreenWidth(reserved);
  return {db, width, ScreenHeight(db, width), host.AnsiCodePage(), ""};
}

}  // namespace brisklet
