// The page conversion table "PC": positional entries, 16-bit GUIDs, one unit with GUID 7 that
// is handed to the host, not stored.
#include <gtest/gtest.h>

#include "support/TestProject.h"

namespace brisklet::test {
namespace {

struct PageTableCase {
  const char* name;
  std::vector<std::pair<int32_t, int32_t>> displays;  // Id, GUID
  const char* expected;
};

const PageTableCase kTables[] = {
    {"Positional", {{5, 12}, {1, 10}, {2, 11}}, "50 43  0a 00  0b 00  0c 00  // entry k: the k-th display by Id"},
    {"OneDisplay", {{9, 300}}, "50 43  2c 01"},
    {"SignedSixteenBits", {{1, -1}, {2, 32767}, {3, -32768}}, "50 43  ff ff  ff 7f  00 80"},
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
  EXPECT_EQ(ErrorOf([&] { empty.Compiler().GetConvertionPageNumToPointerTable(); }).Text(), "Invalid use of Null");
}

}  // namespace
}  // namespace brisklet::test
