// The entry field's grid block for each picker mode and border code, in a frame of 120 x 80
// at (10, 20) on a screen 100 pixels wide, colours 3 (companion 11).
#include <gtest/gtest.h>

#include "encoding/KeypadEncoding.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

struct GridCase {
  const char* name;
  int32_t mode, border;
  const char* expected;  // cell width, height; first cell; colours; frame code, flag
  int32_t dx = 120;
};

// clang-format off
const GridCase kGrids[] = {
  {"DayOfWeekBorder0", 2, 0, "28 00 1a 00 da 07 00 00 03 0b 01 00"},  // 40 x 26 from (10, 20)
  {"DayOfWeekBorder1", 2, 1, "28 00 1a 00 da 07 00 00 03 0b 01 00"},
  {"DayOfWeekBorder2", 2, 2, "25 00 18 00 0a 09 00 00 03 0b 02 00"},  // 37 x 24 from (14, 23)
  {"DayOfWeekBorder3", 2, 3, "00 00 00 00 da 07 00 00 03 0b 01 00"},  // no cells
  {"DayOfMonthBorder0", 3, 0, "11 00 10 00 da 07 00 00 03 0b 01 00"},  // 17 x 16
  {"DayOfMonthBorder1", 3, 1, "11 00 10 00 da 07 00 00 03 0b 01 00"},
  {"DayOfMonthBorder2", 3, 2, "10 00 0e 00 0a 09 00 00 03 0b 02 00"},  // 16 x 14 from (14, 23)
  {"DayOfMonthBorder3", 3, 3, "00 00 00 00 da 07 00 00 03 0b 01 00"},
  {"MonthBorder0", 4, 0, "28 00 14 00 da 07 00 00 03 0b 01 00"},  // 40 x 20
  {"MonthBorder1", 4, 1, "28 00 14 00 da 07 00 00 03 0b 01 00"},
  {"MonthBorder2", 4, 2, "25 00 12 00 0a 09 00 00 03 0b 02 00"},  // 37 x 18
  {"MonthBorder3", 4, 3, "00 00 00 00 da 07 00 00 03 0b 01 00"},
  {"MonthBorder2NarrowerThanItsMargins", 4, 2, "ff ff 12 00 0a 09 00 00 03 0b 02 00", 5},  // (5 - 8) \ 3 = -1
  {"TimeHasNoGrid", 1, 0, ""},
  {"NumberHasNoGrid", 5, 2, ""},
  {"Mode0HasNoGrid", 0, 1, ""},
};
// clang-format on

class KeypadGridBlock : public ::testing::TestWithParam<GridCase> {};

TEST_P(KeypadGridBlock, CellsAndFirstCell) {
  TestProject project;
  project.SetSetting("ScreenWidth", 100);
  ActiveHost active(project.Host());
  const GridCase& c = GetParam();
  EXPECT_EQ(Hex(EncodeKeypadGridBlock(10, 20, c.dx, 80, 1, c.border, 3, 3, c.mode)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(ModesAndBorders, KeypadGridBlock, ::testing::ValuesIn(kGrids),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brisklet::test
