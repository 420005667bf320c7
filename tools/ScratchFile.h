// A file for what a command writes before it can put it in place: made in the temporary folder
// (TMPDIR, else /tmp) and removed from it as soon as it is open, so that it is gone however the
// command ends.
#pragma once
#include <fstream>

namespace brisklet::cli {

// Open for writing and then reading back; a RuntimeError when it cannot be made.
std::fstream OpenScratchFile();

}  // namespace brisklet::cli
