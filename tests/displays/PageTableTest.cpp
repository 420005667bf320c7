// The page conversion table "PC": positional entries, 16-bit GUIDs, one unit with GUID 7.
#include <gtest/gtest.h>

#include "base/RuntimeError.h"
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
    {"HighestPossibleId", {{1, 10}, {2147483647, 11}}, "50 43  0a 00  0b 00"},
    {"IdTwoBillion", {{2000000000, 12}}, "50 43  0c 00"},
};

class PageTable : public ::testing::TestWithParam<PageTableCase> {};

TEST_P(PageTable, OneUnitWithGuid7) {
  TestProject project;
  for (auto [id, guid] : GetParam().displays) project.AddDisplay({{"Id", id}, {"GUID", guid}});
  auto collection = project.Compiler().GetConvertionPageNumToPointerTable();
  ASSERT_EQ(collection.size(), 1u);
  EXPECT_EQ(collection[0]->UnitGuid(), 7);
  EXPECT_EQ(Hex(collection[0]->Data()), Hx({GetParam().expected}));
  EXPECT_EQ(project.UnitHex(7), "");  // handed to the host, not stored
}

INSTANTIATE_TEST_SUITE_P(Cases, PageTable, ::testing::ValuesIn(kTables),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PageTableErrors, GuidOutside16BitsAndNoDisplays) {
  for (int32_t guid : {32768, -32769, 70000}) {
    TestProject project;
    project.AddDisplay({{"Id", 1}, {"GUID", 10}});
    project.AddDisplay({{"Id", 2}, {"GUID", guid}});
    try {
      project.Compiler().GetConvertionPageNumToPointerTable();
      ADD_FAILURE() << guid << " accepted";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Text(), "Overflow") << guid;
    }
  }
}

TEST(PageTableErrors, NoDisplaysOrMoreDisplaysThanIds) {
  struct Case {
    std::vector<int32_t> ids;
    const char* error;
  };
  const Case cases[] = {
      {{}, "Invalid use of Null (field 'MaxID' is Null: the project has no displays) in page table"},
      {{-5, -3}, "Subscript out of range (more displays than the highest display Id -3 allows) in page table"},
  };
  for (const Case& c : cases) {
    TestProject project;
    for (int32_t id : c.ids) project.AddDisplay({{"Id", id}, {"GUID", 100 - id}});
    try {
      project.Compiler().GetConvertionPageNumToPointerTable();
      ADD_FAILURE() << c.error << ": no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Describe(), c.error);
    }
  }
}

}  // namespace
}  // namespace brisklet::test
