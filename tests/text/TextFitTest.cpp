// The text fitter keeps the longest leading part of a text that the frame's inner area holds,
// and text boxes warn, quoting the text on one line, when it is not all of it.
// The font: 6 pixels per character ('W' 10), 10 pixels per line.
#include <gtest/gtest.h>

#include "encoding/FontLookups.h"
#include "host/HostFactory.h"
#include "text/TestFonts.h"

namespace brisklet::test {
namespace {

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

TEST(TextFitUnknownFont, LeavesTheTextWhole) {
  TestProject project;
  ActiveHost active(project.Host());
  EXPECT_EQ(FitTextToFrame(0, 0, 1, 1, "A long text", 42, 0), "A long text");
}

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

// The warning of the text boxes, through the compiler.
class TextFitWarning : public ::testing::Test {
 protected:
  void SetUp() override {
    project.AddModule("Main", 1);
    display = project.AddDisplay({{"Description", "Setup"}, {"ModuleID", 1}});
    AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6});
  }
  int32_t AddTextBox(const std::string& text, int32_t dx, int32_t dy) {
    return project.AddElement({{"DisplayID", display},
                               {"Type", 4},
                               {"Text", text},
                               {"FontNumber", 1},
                               {"Xs", 0},
                               {"Ys", 0},
                               {"Dx", dx},
                               {"Dy", dy}});
  }
  TestProject project;
  int32_t display = 0;
};

TEST_F(TextFitWarning, QuotesAMultiLineTextOnOneLine) {
  int32_t id = AddTextBox("  Motor\r\nspeed ", 30, 10);
  project.Compiler().CompileHmiElement(id);
  ASSERT_EQ(project.Messages().messages.size(), 1u);
  const RecordedMessage& m = project.Messages().messages[0];
  EXPECT_EQ(m.severity, 1);
  EXPECT_EQ(m.location, "Setup");
  EXPECT_EQ(m.displayId, display);
  EXPECT_EQ(m.message, "Motor speed is too small to fit text inside. Please resize it to solve the problem.");
  EXPECT_EQ(project.Compiler().WarningCount(), 1);
}

TEST_F(TextFitWarning, NoWarningWhenTheTextFits) {
  int32_t id = AddTextBox("Motor\r\nspeed", 30, 20);
  project.Compiler().CompileHmiElement(id);
  EXPECT_TRUE(project.Messages().messages.empty());
  EXPECT_EQ(project.Compiler().WarningCount(), 0);
}

}  // namespace
}  // namespace brisklet::test
