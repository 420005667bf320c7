// The display record "PT" with its element list, colours, background image and jumps block,
// and the page conversion table "PC" (one unit with GUID 7, handed to the host, not stored).
#include <gtest/gtest.h>

#include "support/TestProject.h"

namespace brisklet::test {
namespace {
// Bytes 0-14 of a display with the default colours (0, companions 8) on palette GUID 500.
constexpr const char* kPlainHead = "50 54  f4 01  00  00  00 08  00  00 08  00  00 08  00";
constexpr const char* kNoImage = "00  00 00 00 00 00 00 00 00 00 00 00 00 00 00";
// The jumps block of a display without visibility operand, loader functions or jumps.
constexpr const char* kNoJumps =
    "50 6a 65 00  00 00  ff ff  00 00 00 00 00 00  ff ff  ff ff  ff ff  00 00  // Pj, nothing";

class DisplayRecord : public ::testing::Test {
 protected:
  DisplayRecord() { project.AddModule("Main"); }
  std::string Record(int32_t displayId) { return Hex(project.Compiler().DisplayRecord(displayId)); }
  TestProject project;
};

TEST_F(DisplayRecord, EmptyDisplayStoredUnderItsGuid) {
  // clang-format off
  int32_t id = project.AddDisplay({{"ModuleID", 1}, {"GUID", 0x1001}, {"ColorBack", 1}, {"ColorFocusText", 2},
      {"ColorFocusGradient", 3}, {"ColorDisabledText", 4}, {"ColorDisabledGradient", 5}, {"ColorMarkingText", 6},
      {"ColorMarkingGradient", 7}});
  // clang-format on
  std::string expected = Hx({
      "50 54  f4 01  // PT, palette GUID 500",
      "01  02  03 0b  // background, focus text, focus gradient and its companion",
      "04  05 0d      // disabled text, disabled gradient and its companion",
      "06  07 0f  00  // marking text, marking gradient and its companion, reserved",
      kNoImage,
      "22 00  00 00   // jumps at 34, no elements",
      kNoJumps,
  });
  EXPECT_EQ(Record(id), expected);
  project.Compiler().CompileDisplay(id);
  EXPECT_EQ(project.UnitHex(0x1001), expected);
}

TEST_F(DisplayRecord, ElementListOrder) {
  int32_t id = project.AddDisplay({{"ModuleID", 1}});
  int32_t other = project.AddDisplay({{"ModuleID", 1}});
  auto add = [&](int32_t display, int32_t type, int32_t order, int32_t guid) {
    project.AddElement({{"DisplayID", display}, {"Type", type}, {"ORDERINDEX", order}, {"GUID", guid}});
  };
  add(id, 1, 2, 0x10002);  // rectangle
  add(id, 12, 5, 0x20);    // frames first, whatever their order index
  add(id, 5, 0, 0x40);     // variables last, by GUID
  add(id, 12, 1, 0x21);
  add(id, 8, 0, 0x50);  // never listed
  add(id, 5, 9, 0x30);
  add(id, 2, 1, 0x11);  // line
  add(id, 6, 3, -2);    // ellipse
  add(other, 1, 0, 0x60);
  EXPECT_EQ(Record(id), Hx({kPlainHead, kNoImage, "30 00  07 00  // jumps at 48, seven elements",
                            "21 00  20 00  // frames by order index",
                            "11 00  02 00  fe ff  // the others by order index, GUIDs cut to 16 bits",
                            "30 00  40 00  // variables by GUID", kNoJumps}));
}

TEST_F(DisplayRecord, JumpsAndLoaderFunctions) {
  project.Insert("LdrFunctions", {{"FuncID", 1}, {"Guid", 0x12345}});
  project.Insert("LdrFunctions", {{"FuncID", 2}, {"Guid", 9}});
  // clang-format off
  int32_t id = project.AddDisplay({{"ModuleID", 1}, {"GUID", 0x1001}, {"IsDisplayedOpType", 1},
      {"IsDisplayedOpAddress", 70000}, {"ConstrID", 1}, {"FuncID", 0}, {"DestrID", 2}});
  // clang-format on
  int32_t second = project.AddDisplay({{"ModuleID", 1}, {"GUID", 0x2222}, {"FuncID", 7}});
  int32_t third = project.AddDisplay({{"ModuleID", 1}, {"GUID", 0x13333}});
  auto jump = [&](int32_t page, int32_t jumpType, int32_t opType, int32_t opAddress, int32_t target) {
    project.Insert("HMIJumps", {{"PageNum", page},
                                {"JumpType", jumpType},
                                {"JumpOpType", opType},
                                {"JumpOpAddress", opAddress},
                                {"DispOpAddress", target}});
  };
  jump(id, 2, 1, 70000, second);
  jump(id, 1, 3, 5, third);
  jump(id, 0, 1, 6, 99);  // its display no longer exists
  jump(second, 0, 1, 7, id);
  EXPECT_EQ(Record(id),
            Hx({kPlainHead, kNoImage, "22 00  00 00",
                "50 6a 65 00  01 00  70 11  // Pj, visibility operand type 1 address 70000", "00 00 00 00 00 00",
                "45 23  ff ff  09 00  // constructor GUID cut to 16 bits, no function, destructor",
                "02 00  // two jumps", "03 00  05 00  33 33  00 00  // jump type 1 to the third display",
                "01 00  70 11  22 22  00 00  // jump type 2 to the second display"}));
  EXPECT_EQ(Record(second), Hx({kPlainHead, kNoImage, "22 00  00 00", "50 6a 65 00  00 00  ff ff",
                                "00 00 00 00 00 00  ff ff ff ff ff ff  01 00",
                                "01 00  07 00  01 10  00 00  // back to the first display"}));
}

TEST_F(DisplayRecord, NullMarkingColoursWrittenBackAsZero) {
  int32_t id = project.AddDisplay({{"ModuleID", 1}, {"ColorMarkingText", Value()}, {"ColorMarkingGradient", Value()}});
  EXPECT_EQ(Record(id), Hx({kPlainHead, kNoImage, "22 00  00 00", kNoJumps}));
  EXPECT_EQ(project.Texts("SELECT ColorMarkingText, ColorMarkingGradient FROM Pages WHERE Id=" + std::to_string(id)),
            std::vector<std::string>{"0 0"});
}

struct BackgroundCase {
  const char* name;
  bool hasRow;
  Value crc;
  int32_t transparency;
  const char* expected;  // bytes 15-29
};

const BackgroundCase kBackgrounds[] = {
    {"Opaque", true, 0x1234, 0, "01  00 00 00 00  00 00  ff ff  03 00  34 12 00 00"},
    {"Transparent", true, 0x1234, 1, "01  00 00 00 00  01 00  ff 2a  03 00  34 12 00 00"},
    {"CrcZero", true, 0, 1, kNoImage},
    {"CrcMinus1", true, -1, 1, kNoImage},
    {"CrcNull", true, Value(), 1, kNoImage},
    {"NoImageRow", false, Value(), 0, kNoImage},
};

class DisplayBackground : public DisplayRecord, public ::testing::WithParamInterface<BackgroundCase> {};

TEST_P(DisplayBackground, ImageBlock) {
  // Image number 3, first pixel 0x2A.
  project.Insert("ProjectImages", {{"ImageID", 3}, {"CRC", 0x1234}, {"Bits", 8}, {"Data8bpp", Compressed({0x2A, 7})}});
  int32_t id = project.AddDisplay({{"ModuleID", 1}});
  if (GetParam().hasRow) {
    project.Insert("PagesAndImages",
                   {{"Page_ID", id}, {"Image_CRC", GetParam().crc}, {"TransparencyLevel", GetParam().transparency}});
  }
  EXPECT_EQ(Record(id), Hx({kPlainHead, GetParam().expected, "22 00  00 00", kNoJumps}));
}

INSTANTIATE_TEST_SUITE_P(Cases, DisplayBackground, ::testing::ValuesIn(kBackgrounds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DisplayRecord, ByteOutOfRangeFailsTheDisplay) {
  const std::pair<const char*, Value> columns[] = {
      {"ColorBack", -1}, {"ColorFocusText", 256}, {"ColorDisabledGradient", -1}, {"ColorMarkingText", 300}};
  int32_t guid = 0x4000;
  for (const auto& [column, value] : columns) {
    ++guid;
    int32_t id = project.AddDisplay({{"ModuleID", 1}, {"GUID", guid}, {column, value}});
    RuntimeError e = ErrorOf([&] { project.Compiler().CompileDisplay(id); });
    EXPECT_EQ(e.Text(), "Overflow") << column;
    EXPECT_EQ(e.Where(), std::vector<std::string>{"display " + std::to_string(id)}) << column;
    EXPECT_EQ(project.UnitHex(guid), "") << column;
    project.Db().Execute("DELETE FROM Pages");
  }
  int32_t id = project.AddDisplay({{"ModuleID", 1}});
  project.Insert("HMIJumps", {{"PageNum", id}, {"JumpOpType", 256}, {"JumpOpAddress", 1}, {"DispOpAddress", id}});
  EXPECT_EQ(ErrorOf([&] { Record(id); }).Text(), "Overflow");
}

struct PageTableCase {
  const char* name;
  std::vector<std::pair<int32_t, int32_t>> displays;  // Id, GUID
  const char* expected;
};

const PageTableCase kTables[] = {
    {"Positional", {{5, 12}, {1, 10}, {2, 11}}, "50 43  0a 00  0b 00  0c 00  // entry k: the k-th display by Id"},
    {"OneDisplay", {{9, 300}}, "50 43  2c 01"},
    {"SignedSixteenBits", {{1, -1}, {2, 32767}, {3, -32768}}, "50 43  ff ff  ff 7f  00 80"},
    {"HighestPossibleId", {{1, 10}, {2147483647, 11}}, "50 43  0a 00  0b 00"},  // nothing set aside by Id
    {"IdTwoBillion", {{2000000000, 12}}, "50 43  0c 00"},
};

class PageTable : public ::testing::TestWithParam<PageTableCase> {};

TEST_P(PageTable, OneUnitWithGuid7) {
  TestProject project;
  project.Insert("DownloadDLUs", {{"Guid", 7}, {"IsCompiled", 0}});
  for (auto [id, guid] : GetParam().displays) project.AddDisplay({{"Id", id}, {"GUID", guid}});
  auto collection = project.Compiler().GetConvertionPageNumToPointerTable();
  ASSERT_EQ(collection.size(), 1u);
  EXPECT_EQ(collection[0]->UnitGuid(), 7);
  EXPECT_EQ(Hex(collection[0]->Data()), Hx({GetParam().expected}));
  EXPECT_EQ(project.Scalar("SELECT COUNT(*) FROM DownloadUnits").ToLong(), 0);
  EXPECT_EQ(project.IsCompiled(7), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, PageTable, ::testing::ValuesIn(kTables),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PageTableErrors, GuidOutside16BitsAndNoDisplays) {
  for (int32_t guid : {32768, -32769, 70000}) {
    TestProject project;
    project.AddDisplay({{"Id", 1}, {"GUID", 10}});
    project.AddDisplay({{"Id", 2}, {"GUID", guid}});
    EXPECT_EQ(ErrorOf([&] { project.Compiler().GetConvertionPageNumToPointerTable(); }).Text(), "Overflow") << guid;
  }
  TestProject empty;
  EXPECT_EQ(ErrorOf([&] { empty.Compiler().GetConvertionPageNumToPointerTable(); }).Describe(),
            "Invalid use of Null (field 'MaxID' is Null: the project has no displays) in page table");
  TestProject negative;  // Ids -5 and -3: more displays than entries 0 to -3
  negative.AddDisplay({{"Id", -5}, {"GUID", 10}});
  negative.AddDisplay({{"Id", -3}, {"GUID", 11}});
  EXPECT_EQ(ErrorOf([&] { negative.Compiler().GetConvertionPageNumToPointerTable(); }).Describe(),
            "Subscript out of range (more displays than the highest display Id -3 allows) in page table");
}

}  // namespace
}  // namespace brisklet::test
