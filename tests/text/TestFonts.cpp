// Stores a chosen-width font in a test project.
#include "text/TestFonts.h"

namespace brisklet::test {

void AddTestFont(TestProject& project, const TestFont& font) {
  project.Insert("tblFonts", {{"FontNumber", font.number},
                              {"FontCRC", 0x1000 + font.number},
                              {"Charset", font.charset},
                              {"FontName", "Test"},
                              {"PixelSize", font.lineHeight},
                              {"LineHeight", font.lineHeight},
                              {"Ascent", font.lineHeight - 2}});
  for (int code = 0x20; code < 256; ++code) {
    auto it = font.widths.find(static_cast<uint8_t>(code));
    int32_t advance = it == font.widths.end() ? font.advance : it->second;
    project.Insert("tblFontGlyphs", {{"FontNumber", font.number}, {"Code", code}, {"Advance", advance}});
  }
  project.Host().BeginPublicCall();  // drop metrics cached before the font existed
}

}  // namespace brisklet::test
