// Static text blocks as whole hex records: head, one entry per line (position, distance to
// the line's characters), then the characters with their pad bytes.
// Screen 100 pixels wide; font 1 is the project's second font (index 1), 6 pixels per
// character, 10 per line.
#include <gtest/gtest.h>

#include "base/RuntimeError.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/TextEncoding.h"
#include "host/HostFactory.h"
#include "text/TestFonts.h"

namespace brisklet::test {
namespace {

class StaticTextBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    project.SetSetting("ScreenWidth", 100);
    AddTestFont(project, {.number = 7});
    AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6});
  }
  std::string Block(const std::string& text, int32_t x, int32_t y, int32_t w, int32_t h, int32_t alignment,
                    int32_t style) {
    ActiveHost active(project.Host());
    return Hex(EncodeStaticTextBlock(x, y, w, h, text, 1, 5, alignment, style));
  }
  TestProject project;
};

TEST_F(StaticTextBlock, OneLine) {
  EXPECT_EQ(Block("AB", 10, 20, 40, 30, 0, 0),
            Hx({"01 00",        // font index 1
                "05",           // colour
                "01",           // one line
                "02",           // two characters
                "00",           // reserved
                "da 07 00 00",  // line 1 at (10, 20): 20 * 100 + 10 = 2010
                "06 00",        // its characters 6 bytes on
                "41 42 00",     // "AB" and its end
                "00"}));        // pad to an even length
}

TEST_F(StaticTextBlock, TwoCentredLines) {
  // The text is 12 x 20 around the centre (30, 35) of the frame: it starts at y = 25; "A" is
  // drawn 3 pixels left of the centre, "BC" 6.
  EXPECT_EQ(Block("A\r\nBC", 10, 20, 40, 30, 4, 0), Hx({"01 00 05",
                                                        "02",  // two lines
                                                        "03",  // three characters (CR LF not counted)
                                                        "00",
                                                        "df 09 00 00",  // (27, 25)
                                                        "0c 00",        // 12: past both entries
                                                        "c4 0d 00 00",  // (24, 35)
                                                        "08 00",        // 12 + 1 + 1 - 6
                                                        "41 00",        // "A"
                                                        "42 43 00",     // "BC"
                                                        "00"}));        // 5 bytes, padded to 6
}

TEST_F(StaticTextBlock, OddDistanceGetsAPadByteBeforeTheLine) {
  // Bottom right in a 3D frame: the inner area is (4, 4) to (56, 46); the text is 18 x 30, so
  // its top is 16, and each line ends at x = 56.
  EXPECT_EQ(Block("AB\r\nC\r\nDEF", 0, 0, 60, 50, 8, 1),
            Hx({"01 00 05",
                "03",  // three lines
                "06",  // six characters
                "00",
                "6c 06 00 00",     // (44, 16)
                "12 00",           // 18, even
                "5a 0a 00 00",     // (50, 26)
                "10 00",           // 18 + 2 + 1 - 6 = 15 is odd: 16, with a pad byte
                "36 0e 00 00",     // (38, 36)
                "0c 00",           // 16 + 1 + 1 - 6 = 12
                "41 42 00",        // "AB"
                "00 43 00",        // pad, "C"
                "44 45 46 00"}));  // "DEF"; 10 bytes, no pad at the end
}

TEST_F(StaticTextBlock, SendsOnlyThePartThatFits) {
  // 30 pixels hold five characters; the character count follows the cut text.
  EXPECT_EQ(Block("ABCDEFG", 0, 0, 30, 10, 0, 0), Hx({"01 00 05 01",
                                                      "05",  // five characters
                                                      "00",
                                                      "00 00 00 00",  // (0, 0)
                                                      "06 00", "41 42 43 44 45 00"}));
}

TEST_F(StaticTextBlock, CharacterOutsideTheCodePageIsNamed) {
  ActiveHost active(project.Host());
  try {
    EncodeStaticTextBlock(0, 0, 100, 20, "5 \xCE\xA9", 1, 5, 0, 0);  // an omega, not in code page 1252
    FAIL() << "expected a run-time error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Text(), "Overflow");
    EXPECT_NE(e.Detail().find("'\xCE\xA9' (U+03A9)"), std::string::npos) << e.Detail();
    EXPECT_NE(e.Detail().find("code page 1252"), std::string::npos) << e.Detail();
  }
}

}  // namespace
}  // namespace brisklet::test
