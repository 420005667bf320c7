// Fuzzes the text form's reader with any bytes as a display file of an otherwise valid project.
// Every input is read or refused with its mistakes; what is read, written out again and read
// back, gives the same design and the same files (the round trip an import and export make).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "textproject/TextForm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brisklet;
  ProjectFiles files = {{kProjectFile, "format = 1\n"},
                        {"displays/fuzzed.toml", std::string(reinterpret_cast<const char*>(data), size)}};
  TextRead read = ReadTextForm(files);
  if (!read.problems.empty()) return 0;
  ProjectFiles written = WriteTextForm(read.design);
  TextRead again = ReadTextForm(written);
  if (!again.problems.empty() || !(again.design == read.design) || WriteTextForm(again.design) != written) std::abort();
  return 0;
}
