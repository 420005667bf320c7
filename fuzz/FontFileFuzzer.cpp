// Fuzzes the font reader with font files: any file is measured or refused with the
// compiler's run-time error.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "base/RuntimeError.h"
#include "host/FontFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/brisklet-fuzz-font-" + std::to_string(getpid()) + ".ttf";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  try {
    (void)brisklet::MeasureFontFile(path, 12, 1252);
  } catch (const brisklet::RuntimeError&) {
  }
  return 0;
}
