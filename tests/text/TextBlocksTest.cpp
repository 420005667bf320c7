// Text blocks as whole hex records. Static blocks: head, one entry per line (position,
// distance to the line's characters), then the characters with their pad bytes; a Hebrew font
// (character set 177) sends right-to-left texts in display order, which the font-name service
// works out with FriBidi. Linked blocks: font, colour, alignment code, anchor and the text's
// address; a text of the text table (operand type 0) repeats the anchor once per entry.
#include <gtest/gtest.h>

#include "encoding/TextEncoding.h"
#include "host/BidiFontNameService.h"
#include "host/HostFactory.h"
#include "host/TextTableService.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

struct StaticCase {
  const char* name;
  const char* text;
  int32_t x, y, w, h, alignment, style;
  std::string expected;
};

// Screen 100 pixels wide; font 1 is the project's second font (index 1), 6 pixels per
// character, 10 per line; colour 5.
// clang-format off
const StaticCase kStaticBlocks[] = {
  {"OneLine", "AB", 10, 20, 40, 30, 0, 0, Hx({
     "01 00  05  01  02  00  // font index 1, colour, one line, two characters, reserved",
     "da 07 00 00  06 00     // line 1 at (10, 20): 20 * 100 + 10 = 2010; its characters 6 bytes on",
     "41 42 00  00           // \"AB\" and its end, a pad to an even length"})},
  // The text is 12 x 20 around the centre (30, 35) of the frame: it starts at y = 25; "A" is
  // drawn 3 pixels left of the centre, "BC" 6.
  {"TwoCentredLines", "A\r\nBC", 10, 20, 40, 30, 4, 0, Hx({
     "01 00 05  02  03  00  // two lines, three characters (CR LF not counted)",
     "df 09 00 00  0c 00    // (27, 25); 12: past both entries",
     "c4 0d 00 00  08 00    // (24, 35); 12 + 1 + 1 - 6",
     "41 00  42 43 00  00   // \"A\", \"BC\"; 5 bytes, padded to 6"})},
  // Bottom right in a 3D frame: the inner area is (4, 4) to (56, 46); the text is 18 x 30, so
  // its top is 16, and each line ends at x = 56.
  {"OddDistanceGetsAPadByteBeforeTheLine", "AB\r\nC\r\nDEF", 0, 0, 60, 50, 8, 1, Hx({
     "01 00 05  03  06  00  // three lines, six characters",
     "6c 06 00 00  12 00    // (44, 16); 18, even",
     "5a 0a 00 00  10 00    // (50, 26); 18 + 2 + 1 - 6 = 15 is odd: 16, with a pad byte",
     "36 0e 00 00  0c 00    // (38, 36); 16 + 1 + 1 - 6 = 12",
     "41 42 00  00 43 00  44 45 46 00  // \"AB\", pad, \"C\", \"DEF\"; 10 bytes, no pad at the end"})},
  // 30 pixels hold five characters; the character count follows the cut text.
  {"SendsOnlyThePartThatFits", "ABCDEFG", 0, 0, 30, 10, 0, 0, Hx({
     "01 00 05 01  05  00  // five characters",
     "00 00 00 00  06 00  41 42 43 44 45 00"})},
};
// clang-format on

class StaticTextBlock : public ::testing::TestWithParam<StaticCase> {
 protected:
  void SetUp() override {
    project.SetSetting("ScreenWidth", 100);
    AddTestFont(project, {.number = 7});
    AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6});
  }
  TestProject project;
};

TEST_P(StaticTextBlock, WholeBlock) {
  const StaticCase& c = GetParam();
  ActiveHost active(project.Host());
  EXPECT_EQ(Hex(EncodeStaticTextBlock(c.x, c.y, c.w, c.h, c.text, 1, 5, c.alignment, c.style)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, StaticTextBlock, ::testing::ValuesIn(kStaticBlocks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StaticTextBlockErrors, CharacterOutsideTheCodePageIsNamed) {
  TestProject project;
  AddTestFont(project, {.number = 1});
  ActiveHost active(project.Host());
  // An omega, not in code page 1252.
  RuntimeError e = ErrorOf([] { EncodeStaticTextBlock(0, 0, 100, 20, "5 \xCE\xA9", 1, 5, 0, 0); });
  EXPECT_EQ(e.Text(), "Overflow");
  EXPECT_NE(e.Detail().find("'\xCE\xA9' (U+03A9)"), std::string::npos) << e.Detail();
  EXPECT_NE(e.Detail().find("code page 1252"), std::string::npos) << e.Detail();
}

// Font index 1, colour 9, anchors in the 3D frame (0, 0, 100, 40) on a 100-pixel screen.
class LinkedTextBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    project.SetSetting("ScreenWidth", 100);
    AddTestFont(project, {.number = 7});
    AddTestFont(project, {.number = 1});
    service.AttachConnection(project.Db(), true);
  }
  void AddTexts(int count) {
    for (int i = 0; i < count; ++i) project.Insert("ProjectTexts", {{"TextIndex", i}, {"Text", "Text"}});
  }
  std::string Block(int32_t oprndType, int32_t alignment) {
    ActiveHost active(project.Host());
    return Hex(EncodeLinkedTextBlock(service, 0x0102, oprndType, 0, 0, 100, 40, "not sent", 1, 9, alignment, 1));
  }
  TestProject project;
  TextTableService service;
};

TEST_F(LinkedTextBlock, TextTableEntriesRepeatTheAnchor) {
  EXPECT_EQ(Block(0, 0), Hx({"01 00 09 01 00  00  94 01 00 00  02 01  // top left (4, 4): 404, no entries"}));
  AddTexts(3);
  EXPECT_EQ(Block(0, 8), Hx({"01 00  09  01 00  22  // font index 1, colour, constants, bottom right",
                             "70 0e 00 00  02 01    // anchor (96, 36): 3696, text index",
                             "70 0e 00 00  70 0e 00 00  70 0e 00 00  // one anchor per text-table entry"}));
}

// Other operand types are twelve bytes; an unknown alignment is centred: (50, 20) is 2050.
TEST_F(LinkedTextBlock, OtherOperandTypesAndUnknownAlignments) {
  AddTexts(3);
  for (auto [oprndType, alignment] : {std::pair{1, 4}, {2, 4}, {37, 4}, {1, 9}, {1, -1}}) {
    EXPECT_EQ(Block(oprndType, alignment), Hx({"01 00 09 01 00  11  02 08 00 00  02 01"}))
        << "operand type " << oprndType << ", alignment " << alignment;
  }
}

// Hebrew letters in UTF-8 and, below, in code page 1255.
#define SHIN "\xD7\xA9"       // U+05E9, F9
#define LAMED "\xD7\x9C"      // U+05DC, EC
#define VAV "\xD7\x95"        // U+05D5, E5
#define FINAL_MEM "\xD7\x9D"  // U+05DD, ED
#define SHALOM SHIN LAMED VAV FINAL_MEM
#define MOLASH FINAL_MEM VAV LAMED SHIN

struct Classified {
  const char* name;
  const char* text;
  int32_t kind;
};

// clang-format off
const Classified kClassified[] = {
    {"Empty", "", 2},
    {"Latin", "Motor 12", 2},
    {"Neutral", "(1) - [2]", 2},
    {"Hebrew", SHALOM " 123", 1},             // reads from right to left
    {"DigitsFirst", "12 " SHALOM, 1},         // digits are not strong: the first letter decides
    {"LatinThenHebrew", "Motor " SHALOM, 0},  // left to right, with a right-to-left run
    {"RightToLeftMark", "\xE2\x80\x8F" "abc", 1},  // a right-to-left mark first
};
// clang-format on

class ClassifyText : public ::testing::TestWithParam<Classified> {};

TEST_P(ClassifyText, TwoOnlyWithoutRightToLeftCharacters) {
  EXPECT_EQ(BidiFontNameService().ClassifyText(GetParam().text), GetParam().kind) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ClassifyText, ::testing::ValuesIn(kClassified),
                         [](const auto& info) { return std::string(info.param.name); });

struct Reordered {
  const char* name;
  const char* logical;
  const char* visual;
};

const Reordered kReordered[] = {
    {"NumberStaysReadable", SHALOM " 123", "123 " MOLASH},
    {"LeftToRightLine", "Motor " SHALOM " ok", "Motor " MOLASH " ok"},
    {"NumberAfterHebrewGoesWithIt", "Motor " SHALOM " 5", "Motor 5 " MOLASH},
    {"LatinRunInsideInItsOrder", SHALOM " Motor 5", "Motor 5 " MOLASH},
    {"MirroredBrackets", SHALOM " (1)", "(1) " MOLASH},
    {"LineByLineInPlace", SHALOM "\r\n12\r\nab " SHALOM, MOLASH "\r\n12\r\nab " MOLASH},
};

class ToDisplayText : public ::testing::TestWithParam<Reordered> {};

TEST_P(ToDisplayText, VisualOrderLineByLine) {
  EXPECT_EQ(BidiFontNameService().ToDisplayText(GetParam().logical), GetParam().visual);
}

INSTANTIATE_TEST_SUITE_P(Texts, ToDisplayText, ::testing::ValuesIn(kReordered),
                         [](const auto& info) { return std::string(info.param.name); });

// In code page 1255, a Hebrew font (character set 177) sends "12 " and then the word from its
// last letter; other character sets keep the stored order.
TEST(HebrewTextBlock, HebrewFontSendsDisplayOrder) {
  TestProject project;
  project.SetSetting("CodePage", 1255);
  project.SetSetting("ScreenWidth", 100);
  AddTestFont(project, {.number = 1, .charset = 177});
  AddTestFont(project, {.number = 2, .charset = 0});
  ActiveHost active(project.Host());
  EXPECT_EQ(Hex(EncodeStaticTextBlock(0, 0, 100, 10, SHALOM " 12", 1, 3, 0, 0)),
            Hx({"00 00 03 01  07  00  00 00 00 00 06 00  // seven characters", "31 32 20 ed e5 ec f9  00"}));
  EXPECT_EQ(Hex(EncodeStaticTextBlock(0, 0, 100, 10, SHALOM " 12", 2, 3, 0, 0)),
            Hx({"01 00 03 01  07  00  00 00 00 00 06 00", "f9 ec e5 ed 20 31 32  00"}));
}

}  // namespace
}  // namespace brisklet::test
