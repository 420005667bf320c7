// Project fonts whose widths a test chooses, stored as tblFonts and tblFontGlyphs rows the
// way `brisklet font add` stores a measured font.
#pragma once
#include <map>

#include "support/TestProject.h"

namespace brisklet::test {

struct TestFont {
  int32_t number = 1;
  int32_t lineHeight = 10;
  int32_t advance = 6;                  // every byte from 0x20 up
  std::map<uint8_t, int32_t> widths{};  // exceptions, by code-page byte
  int32_t charset = 0;
};

// Adds the font after the project's other fonts (its index is the number of fonts before it).
void AddTestFont(TestProject& project, const TestFont& font);

}  // namespace brisklet::test
