// The text boxes "LS", "FR", the text button "BT" and the static pictures "PS", "PM" as
// compiled records (kind bytes behind the 90-byte header). Screen 100 pixels wide; font 1 is
// the project's only font, 6 pixels per character, 10 per line.
#include <gtest/gtest.h>

#include "support/TestProject.h"

namespace brisklet::test {
namespace {

constexpr size_t kHeaderSize = 90;

class TextElements : public ::testing::Test {
 protected:
  void SetUp() override {
    project.SetSetting("ScreenWidth", 100);
    project.AddModule("Main", 1);
    display = project.AddDisplay({{"Description", "Setup"}, {"ModuleID", 1}});
    AddTestFont(project, {.number = 1});
  }
  int32_t Add(const Columns& columns) {
    return project.AddElement(With(
        {{"DisplayID", display}, {"FontNumber", 1}, {"ColorFore", 3}, {"Xs", 10}, {"Ys", 20}, {"Dx", 60}, {"Dy", 20}},
        columns));
  }
  std::string KindBytes(int32_t id) {
    Bytes record = project.Compiler().ElementRecord(id);
    if (record.size() < kHeaderSize) return "short record: " + Hex(record);
    return Hex(Bytes(record.begin() + kHeaderSize, record.end()));
  }
  TestProject project;
  int32_t display = 0;
};

struct TextModeCase {
  const char* name;
  int32_t oprndType, oprndAddr;
  const char* text;
  const char* kindBytes;
};

// Frame (10, 20, 60, 20), top left: the text starts at 20 * 100 + 10 = 2010 (da 07 00 00).
const TextModeCase kTextModes[] = {
    {"NoText", 0, -1, "", "4c 53 00 00  00 00 03 01 00 00  da 07 00 00 06 00  00 00"},  // no text: one empty line
    {"Constant", 0, -1, "A", "4c 53 01 00  00 00 03 01 01 00  da 07 00 00 06 00  41 00"},
    {"TextTableAddress0", 0, 0, "A", "4c 53 02 00  00 00 03 01 00 00  da 07 00 00 00 00"},  // address 0 is linked
    {"Operand", 1, 5, "A", "4c 53 03 00  00 00 03 01 00 00  da 07 00 00 05 00"},
};

class TextBoxMode : public TextElements, public ::testing::WithParamInterface<TextModeCase> {};

TEST_P(TextBoxMode, ModeAndBlock) {
  const TextModeCase& c = GetParam();
  int32_t id = Add({{"Type", 4}, {"VarOprndType", c.oprndType}, {"VarOprndAddr", c.oprndAddr}, {"Text", c.text}});
  EXPECT_EQ(KindBytes(id), Hx({c.kindBytes}));
}

INSTANTIATE_TEST_SUITE_P(Modes, TextBoxMode, ::testing::ValuesIn(kTextModes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextElements, TextBoxAndFrameDifferOnlyInTag) {
  std::string box = KindBytes(Add({{"Type", 4}, {"Text", "AB\r\nC"}, {"Alignment", 4}, {"Flat3D", 2}}));
  std::string frame = KindBytes(Add({{"Type", 12}, {"Text", "AB\r\nC"}, {"Alignment", 4}, {"Flat3D", 2}}));
  ASSERT_EQ(box.substr(0, 5), "4c 53");
  EXPECT_EQ(frame, "46 52" + box.substr(5));
}

TEST_F(TextElements, ButtonPictureMovesWithThe3DFrame) {
  // No picture stored: CRC -1, image number 0, no transparency.
  std::string flat3D3 = KindBytes(Add({{"Type", 11}, {"Text", "A"}, {"Flat3D", 3}}));
  std::string flat3D2 = KindBytes(Add({{"Type", 11}, {"Text", "A"}, {"Flat3D", 2}}));
  EXPECT_EQ(flat3D3.substr(0, 59), Hx({"42 54 00 00  6e 09 00 00  // (14, 24): 4 pixels right and down",
                                       "00 00 ff ff  00 00  // not transparent, no key colour; image number",
                                       "ff ff ff ff  01 00  // image CRC -1; text mode, reserved"}));
  EXPECT_EQ(flat3D2.substr(0, 59),
            Hx({"42 54 00 00  da 07 00 00  // (10, 20)", "00 00 ff ff 00 00 ff ff ff ff 01 00"}));
}

TEST_F(TextElements, PictureKindsDifferOnlyInSecondTagByte) {
  project.Insert("ProjectImages", {{"ImageID", 4}, {"CRC", 0x12345678}, {"Bits", 8}});
  int32_t ps = Add({{"Type", 3}});
  int32_t pm = Add({{"Type", 5}, {"VarType", 20}});
  for (int32_t id : {ps, pm}) {
    project.Insert("ElementsAndImages", {{"Element_ID", id}, {"Image_Index", 0}, {"Image_CRC", 0x12345678}});
  }
  EXPECT_EQ(KindBytes(ps), Hx({"50 53  da 07 00 00  00 00 ff ff  // (10, 20), not transparent",
                               "04 00  78 56 34 12  // image number, CRC"}));
  EXPECT_EQ(KindBytes(pm), "50 4d" + KindBytes(ps).substr(5));
}

TEST_F(TextElements, CharacterOutsideTheCodePageNamesElementAndCharacter) {
  int32_t id = Add({{"Type", 4}, {"Text", "Temp \xCE\xA9"}});  // an omega, not in code page 1252
  RuntimeError e = ErrorOf([&] { project.Compiler().CompileHmiElement(id); });
  EXPECT_EQ(e.Text(), "Overflow");
  EXPECT_NE(e.Describe().find("'\xCE\xA9' (U+03A9)"), std::string::npos) << e.Describe();
  EXPECT_NE(e.Describe().find("element " + std::to_string(id)), std::string::npos) << e.Describe();
  EXPECT_EQ(project.UnitHex(project.GuidOf(id)), "");  // nothing stored
}

}  // namespace
}  // namespace brisklet::test
