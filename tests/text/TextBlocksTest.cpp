// Text blocks as whole hex records. Static blocks: head, one entry per line (position,
// distance to the line's characters), then the characters with their pad bytes; a Hebrew font
// (character set 177) sends right-to-left texts in display order, which the font-name service
// works out with FriBidi. Linked blocks: font, colour, alignment code, anchor and the text's
// address; a text of the text table (operand type 0) repeats the anchor once per entry.
#include <gtest/gtest.h>

#include "base/RuntimeError.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/TextEncoding.h"
#include "host/BidiFontNameService.h"
#include "host/HostFactory.h"
#include "host/TextTableService.h"
#include "support/TestProject.h"

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
  AddTexts(3);
  EXPECT_EQ(Block(0, 8), Hx({"01 00",        // font index 1
                             "09",           // colour
                             "01 00",        // constants
                             "22",           // bottom right
                             "70 0e 00 00",  // anchor (96, 36) of the 3D frame: 3696
                             "02 01",        // text index
                             "70 0e 00 00",  // one anchor per text-table entry
                             "70 0e 00 00", "70 0e 00 00"}));
}

TEST_F(LinkedTextBlock, EmptyTextTableAddsNothing) {
  EXPECT_EQ(Block(0, 0), Hx({"01 00 09 01 00", "00", "94 01 00 00", "02 01"}));  // top left (4, 4): 404
}

TEST_F(LinkedTextBlock, OtherOperandTypesAreTwelveBytes) {
  AddTexts(3);
  for (int32_t oprndType : {1, 2, 37}) {
    EXPECT_EQ(Block(oprndType, 4), Hx({"01 00 09 01 00", "11", "02 08 00 00", "02 01"}))  // centre (50, 20): 2050
        << "operand type " << oprndType;
  }
}

TEST_F(LinkedTextBlock, UnknownAlignmentIsCentred) {
  for (int32_t alignment : {9, -1}) {
    EXPECT_EQ(Block(1, alignment), Hx({"01 00 09 01 00", "11", "02 08 00 00", "02 01"})) << "alignment " << alignment;
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

const Classified kClassified[] = {
    {"Empty", "", 2},
    {"Latin", "Motor 12", 2},
    {"Neutral", "(1) - [2]", 2},
    {"Hebrew", SHALOM " 123", 1},             // reads from right to left
    {"DigitsFirst", "12 " SHALOM, 1},         // digits are not strong: the first letter decides
    {"LatinThenHebrew", "Motor " SHALOM, 0},  // left to right, with a right-to-left run
    {"RightToLeftMark",
     "\xE2\x80\x8F"
     "abc",
     1},  // a right-to-left mark first
};

class ClassifyText : public ::testing::TestWithParam<Classified> {};

TEST_P(ClassifyText, TwoOnlyWithoutRightToLeftCharacters) {
  BidiFontNameService service;
  EXPECT_EQ(service.ClassifyText(GetParam().text), GetParam().kind) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ClassifyText, ::testing::ValuesIn(kClassified),
                         [](const auto& info) { return std::string(info.param.name); });

struct Reordered {
  const char* name;
  const char* logical;
  const char* visual;
};

const Reordered kReordered[] = {
    {"NumberStaysReadable", SHALOM " 123", "123 " MOLASH},                         // the number stays readable
    {"LeftToRightLine", "Motor " SHALOM " ok", "Motor " MOLASH " ok"},             // left-to-right line
    {"NumberAfterHebrew", "Motor " SHALOM " 5", "Motor 5 " MOLASH},                // a number after Hebrew goes with it
    {"LatinRunInside", SHALOM " Motor 5", "Motor 5 " MOLASH},                      // Latin run inside, in its order
    {"MirroredBrackets", SHALOM " (1)", "(1) " MOLASH},                            // brackets mirrored with the run
    {"LineByLine", SHALOM "\r\n12\r\nab " SHALOM, MOLASH "\r\n12\r\nab " MOLASH},  // line by line, in place
};

class ToDisplayText : public ::testing::TestWithParam<Reordered> {};

TEST_P(ToDisplayText, VisualOrderLineByLine) {
  BidiFontNameService service;
  EXPECT_EQ(service.ToDisplayText(GetParam().logical), GetParam().visual);
}

INSTANTIATE_TEST_SUITE_P(Texts, ToDisplayText, ::testing::ValuesIn(kReordered),
                         [](const auto& info) { return std::string(info.param.name); });

class HebrewTextBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    project.SetSetting("CodePage", 1255);
    project.SetSetting("ScreenWidth", 100);
    AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6, .charset = 177});
    AddTestFont(project, {.number = 2, .lineHeight = 10, .advance = 6, .charset = 0});
  }
  TestProject project;
};

TEST_F(HebrewTextBlock, HebrewFontSendsDisplayOrder) {
  ActiveHost active(project.Host());
  EXPECT_EQ(Hex(EncodeStaticTextBlock(0, 0, 100, 10, SHALOM " 12", 1, 3, 0, 0)),
            Hx({"00 00 03 01",
                "07",  // seven characters
                "00", "00 00 00 00 06 00",
                "31 32 20 ed e5 ec f9",  // "12 " then the word from its last letter
                "00"}));                 // 8 bytes, even
}

TEST_F(HebrewTextBlock, OtherCharacterSetsKeepTheStoredOrder) {
  ActiveHost active(project.Host());
  EXPECT_EQ(Hex(EncodeStaticTextBlock(0, 0, 100, 10, SHALOM " 12", 2, 3, 0, 0)),
            Hx({"01 00 03 01 07 00", "00 00 00 00 06 00", "f9 ec e5 ed 20 31 32", "00"}));
}

}  // namespace
}  // namespace brisklet::test
