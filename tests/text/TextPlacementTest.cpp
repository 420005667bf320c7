// Where MeasureText puts a text inside its frame, for every alignment and frame style, against
// positions worked out by hand. The font: 6 pixels per character ('W' 7), 10 pixels per line.
#include <gtest/gtest.h>

#include "base/TextAnchor.h"
#include "encoding/FontLookups.h"
#include "host/HostFactory.h"
#include "text/TestFonts.h"

namespace brisklet::test {
namespace {

struct Placement {
  const char* name;  // "" names the case by its alignment and frame style
  const char* text;
  int32_t x, y, w, h;
  int32_t alignment, style;
  int32_t expectX, expectY;
};

// "ABC" CR LF "A" is 18 x 20 pixels. In the frame (10, 20, 100, 60) the inner area is
//   style 0 and 4: (10, 20) to (110, 80), centre (60, 50);
//   style 1 and 3: (14, 24) to (106, 76), centre (60, 50);
//   style 2:       (11, 21) to (109, 79), centre (60, 50).
// Left text starts at the left edge, centred text 9 pixels left of the centre, right text
// 18 pixels left of the right edge; likewise 0, 10 and 20 pixels above the row's anchor.
const Placement kPlacements[] = {
    {"", "ABC\r\nA", 10, 20, 100, 60, 0, 0, 10, 20},
    {"", "ABC\r\nA", 10, 20, 100, 60, 1, 0, 51, 20},
    {"", "ABC\r\nA", 10, 20, 100, 60, 2, 0, 92, 20},
    {"", "ABC\r\nA", 10, 20, 100, 60, 3, 0, 10, 40},
    {"", "ABC\r\nA", 10, 20, 100, 60, 4, 0, 51, 40},
    {"", "ABC\r\nA", 10, 20, 100, 60, 5, 0, 92, 40},
    {"", "ABC\r\nA", 10, 20, 100, 60, 6, 0, 10, 60},
    {"", "ABC\r\nA", 10, 20, 100, 60, 7, 0, 51, 60},
    {"", "ABC\r\nA", 10, 20, 100, 60, 8, 0, 92, 60},
    {"", "ABC\r\nA", 10, 20, 100, 60, 9, 0, 51, 40},  // unknown alignments centre the text
    {"", "ABC\r\nA", 10, 20, 100, 60, -1, 0, 51, 40},
    {"", "ABC\r\nA", 10, 20, 100, 60, 0, 1, 14, 24},
    {"", "ABC\r\nA", 10, 20, 100, 60, 4, 1, 51, 40},
    {"", "ABC\r\nA", 10, 20, 100, 60, 8, 1, 88, 56},
    {"", "ABC\r\nA", 10, 20, 100, 60, 0, 3, 14, 24},
    {"", "ABC\r\nA", 10, 20, 100, 60, 8, 3, 88, 56},
    {"", "ABC\r\nA", 10, 20, 100, 60, 0, 2, 11, 21},
    {"", "ABC\r\nA", 10, 20, 100, 60, 5, 2, 91, 40},
    {"", "ABC\r\nA", 10, 20, 100, 60, 7, 2, 51, 59},
    {"", "ABC\r\nA", 10, 20, 100, 60, 8, 4, 92, 60},
    // Odd sizes: the centre of a 25 x 15 frame is (12, 7); "W" is 7 wide, half of it 3.
    {"OddFrameSize", "W", 0, 0, 25, 15, 4, 0, 9, 2},
    // A text wider than the frame overhangs it on both sides when centred.
    {"WiderThanTheFrame", "ABCDEF", 0, 0, 20, 10, 4, 0, -8, 0},
    // An empty text has one line of height: it is centred as 0 x 10.
    {"EmptyText", "", 0, 0, 100, 40, 4, 0, 50, 15},
};

class TextPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(TextPlacement, TopLeftOfTheDrawnText) {
  const Placement& p = GetParam();
  TestProject project;
  ActiveHost active(project.Host());
  AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6, .widths = {{'W', 7}}});
  int32_t x = 0, y = 0;
  MeasureText(p.text, 1, p.x, p.y, p.w, p.h, x, y, p.alignment, p.style);
  EXPECT_EQ(x, p.expectX) << "alignment " << p.alignment << ", style " << p.style;
  EXPECT_EQ(y, p.expectY) << "alignment " << p.alignment << ", style " << p.style;
}

std::string NameOf(const ::testing::TestParamInfo<Placement>& info) {
  const Placement& p = info.param;
  if (*p.name) return p.name;
  return "Alignment" + (p.alignment < 0 ? "Minus" + std::to_string(-p.alignment) : std::to_string(p.alignment)) +
         "Style" + std::to_string(p.style);
}

INSTANTIATE_TEST_SUITE_P(AlignmentsAndStyles, TextPlacement, ::testing::ValuesIn(kPlacements), NameOf);

// A font the project does not have gives the text no size: it stands at the frame's anchor,
// exactly where a linked text of the same frame is anchored.
TEST(TextPlacementUnknownFont, StandsAtTheAnchor) {
  TestProject project;
  ActiveHost active(project.Host());
  for (int32_t alignment = 0; alignment <= 8; ++alignment) {
    int32_t x = 0, y = 0, anchorX = 0, anchorY = 0;
    MeasureText("ABC", 42, 0, 0, 100, 40, x, y, alignment, 1);
    GetTextAnchorPoint(0, 0, 100, 40, anchorX, anchorY, alignment, 1);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(anchorX, anchorY)) << "alignment " << alignment;
  }
  int32_t x = 0, y = 0;
  MeasureText("ABC", 42, 0, 0, 100, 40, x, y, 8, 1);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(96, 36));
}

}  // namespace
}  // namespace brisklet::test
