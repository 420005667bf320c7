// Where a text goes in its frame: MeasureText for every alignment and frame style against
// positions worked out by hand, and the text fitter, which keeps the longest leading part of a
// text that the frame's inner area holds (text boxes warn, quoting the text on one line, when
// it is not all of it).
#include <gtest/gtest.h>

#include "base/TextAnchor.h"
#include "encoding/FontLookups.h"
#include "host/HostFactory.h"
#include "support/TestProject.h"

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

// In a project without fonts a text has no size: it stands at the frame's anchor, exactly
// where a linked text of the same frame is anchored; the fitter leaves it whole.
TEST(TextLayoutUnknownFont, StandsAtTheAnchorAndStaysWhole) {
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
  EXPECT_EQ(FitTextToFrame(0, 0, 1, 1, "A long text", 42, 0), "A long text");
}

struct Fit {
  const char* name;
  const char* text;
  int32_t dx, dy, style;
  const char* expected;
};

const Fit kFits[] = {
    {"ExactlyAsWide", "ABCDE", 30, 10, 0, "ABCDE"},       // exactly as wide as the frame
    {"SixthCharacterCut", "ABCDEF", 30, 10, 0, "ABCDE"},  // the sixth character would need 36
    {"NarrowerFrame", "ABCDEF", 29, 10, 0, "ABCD"},
    {"Frame3DMargins", "ABCDEF", 38, 18, 1, "ABCDE"},   // 3D frame: 4 pixels off each side
    {"Frame3DLessThanALine", "ABCDEF", 38, 17, 1, ""},  // ... leaving 9 pixels, less than a line
    {"BorderMargins", "ABCDEF", 32, 12, 2, "ABCDE"},    // border: 1 pixel off each side
    {"WideCharacter", "WA", 15, 10, 0, "W"},            // widths are per character
    {"NothingFits", "WA", 9, 10, 0, ""},
    {"TwoOfThreeLines", "AB\r\nCD\r\nEF", 30, 25, 0, "AB\r\nCD"},  // two lines of 10 in 25 pixels
    {"SecondLineCut", "AB\r\nCDEFG", 24, 20, 0, "AB\r\nCDEF"},     // the second line is cut, not dropped
    {"NoCrLfWithoutASecondLine", "A\r\nWW", 8, 20, 0, "A"},        // nothing of the second line fits: no CR LF
    {"TrailingCrLfDropped", "AB\r\n", 30, 10, 0, "AB"},
    {"EmptyLineFits", "\r\nAB", 30, 20, 0, "\r\nAB"},  // an empty line always fits
    {"TooLowForALine", "AB", 30, 9, 0, ""},
    {"EmptyText", "", 0, 0, 0, ""},
    {"WholeCharactersOnly", "\xC3\x84\xC3\x96\xC3\x9C", 12, 10, 0, "\xC3\x84\xC3\x96"},  // cut after a whole character
};

class TextFit : public ::testing::TestWithParam<Fit> {};

TEST_P(TextFit, KeepsTheLongestLeadingPartThatFits) {
  const Fit& f = GetParam();
  TestProject project;
  ActiveHost active(project.Host());
  AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6, .widths = {{'W', 10}}});
  EXPECT_EQ(FitTextToFrame(100, 100, f.dx, f.dy, f.text, 1, f.style), f.expected);
}

INSTANTIATE_TEST_SUITE_P(Frames, TextFit, ::testing::ValuesIn(kFits),
                         [](const auto& info) { return std::string(info.param.name); });

// The minimum frame is the text's extent plus the frame style's margins, and fits it whole.
TEST(TextFitMinimumSize, HoldsTheWholeText) {
  TestProject project;
  ActiveHost active(project.Host());
  AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6, .widths = {{'W', 10}}});
  auto fitter = project.Host().NewTextFitter();
  fitter->SetFont(1);
  fitter->SetText("AW\r\nA");
  fitter->SetFrameStyle(1);
  int32_t dx = 0, dy = 0;
  fitter->GetMinimumSize(dx, dy);
  EXPECT_EQ(dx, 16 + 8);  // widest line 6 + 10, margins 4 + 4
  EXPECT_EQ(dy, 20 + 8);  // two lines of 10
  EXPECT_EQ(FitTextToFrame(0, 0, dx, dy, "AW\r\nA", 1, 1), "AW\r\nA");
  EXPECT_EQ(FitTextToFrame(0, 0, dx - 1, dy, "AW\r\nA", 1, 1), "A");
  EXPECT_EQ(fitter->GetText(), "AW\r\nA");
}

// The warning of the text boxes, through the compiler: none when the text fits, else one that
// quotes a multi-line text on one line.
TEST(TextFitWarning, QuotesAMultiLineTextOnOneLine) {
  TestProject project;
  project.AddModule("Main", 1);
  int32_t display = project.AddDisplay({{"Description", "Setup"}, {"ModuleID", 1}});
  AddTestFont(project, {.number = 1});
  for (auto [text, dy] : {std::pair{"Motor\r\nspeed", 20}, {"  Motor\r\nspeed ", 10}}) {
    project.Compiler().CompileHmiElement(project.AddElement(
        {{"DisplayID", display}, {"Type", 4}, {"Text", text}, {"FontNumber", 1}, {"Dx", 30}, {"Dy", dy}}));
  }
  std::string message = "Motor speed is too small to fit text inside. Please resize it to solve the problem.";
  EXPECT_EQ(project.Messages().calls,
            (std::vector<std::string>{
                "AddCompileMessage(5,0,1,1," + std::to_string(display) + ",Main,Setup,0," + message + ")",
                "AddOutputMessage(0,1,Main,Setup," + message + ",1," + std::to_string(display) + ")"}));
  EXPECT_EQ(project.Compiler().WarningCount(), 1);
}

}  // namespace
}  // namespace brisklet::test
