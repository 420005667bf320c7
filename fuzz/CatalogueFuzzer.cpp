// Fuzzes the message catalogue reader: any file either reads or is refused with the
// compiler's run-time error naming the line.
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "base/RuntimeError.h"
#include "host/CatalogueMessageService.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    for (const auto& [id, text] : brisklet::ParseCatalogue(in, "messages.txt")) {
      (void)brisklet::SubstituteParams(text, {brisklet::Value("a"), brisklet::Value(2)});
    }
  } catch (const brisklet::RuntimeError&) {
  }
  return 0;
}
