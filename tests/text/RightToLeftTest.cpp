// Right-to-left texts: the font-name service classifies and reorders them with FriBidi, and a
// static text block of a Hebrew font (character set 177) sends them in display order.
#include <gtest/gtest.h>

#include "encoding/GeometryEncoding.h"
#include "encoding/TextEncoding.h"
#include "host/BidiFontNameService.h"
#include "host/HostFactory.h"
#include "text/TestFonts.h"

namespace brisklet::test {
namespace {

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
