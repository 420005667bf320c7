// A temporary file without a name: mkstemp in the temporary folder, then removed while open.
#include "ScratchFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/RuntimeError.h"

namespace brisklet::cli {

std::fstream OpenScratchFile() {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) throw RuntimeError("Cannot make a temporary file", "the temporary folder: " + error.message());
  std::string name = (folder / "brisklet-XXXXXX").string();
  int made = ::mkstemp(name.data());
  if (made < 0) throw RuntimeError("Cannot make a temporary file", "'" + name + "': " + std::strerror(errno));
  std::fstream file(name, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
  ::close(made);
  std::filesystem::remove(name, error);
  if (!file) throw RuntimeError("Cannot make a temporary file", "'" + name + "' cannot be opened");
  return file;
}

}  // namespace brisklet::cli
