// Fuzzes the record decoder: any bytes are read into fields and problems, never a crash or an
// exception, on a screen 320 pixels wide in code page 1252 with two project fonts.
#include <cstddef>
#include <cstdint>

#include "decoding/RecordDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const brisklet::DecodeContext context = [] {
    brisklet::DecodeContext c;
    c.screenWidth = 320;
    c.fonts = {"font 1", "font 2"};
    c.elements[2001] = "element 1";
    c.displays[100] = "display 1";
    return c;
  }();
  (void)brisklet::DecodeRecord(brisklet::Bytes(data, data + size), context);
  return 0;
}
