// brisklet font add: not built yet.
#include "Commands.h"

namespace brisklet::cli {
void AddFontCommand(CLI::App&, int&) {}
}  // namespace brisklet::cli
