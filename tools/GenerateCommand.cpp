// brisklet generate: not built yet.
#include "Commands.h"

namespace brisklet::cli {
void AddGenerateCommand(CLI::App&, int&) {}
}  // namespace brisklet::cli
