// The four shapes "RC", "LI", "EL" and "RR": whole records, header and kind bytes.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestProject.h"

namespace brisklet::test {
namespace {

// The header of a shape at (10, 20) of size 30 x 40, colours 0 / 5, no touch, no border.
std::string ShapeHeader(const char* downloadType, const char* size = "1e 00 28 00") {
  return Hx({"56 54", downloadType, "00 00 ff 00 00       // no variable, no touch, tab 255, background 0, not linked",
             "ff ff  ff ff  ff ff  00 00  ff ff  00 00  ff ff  // no operands",
             "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", size,
             "0a 19 00 00  00 08  00 00  // (10, 20), colour 0, companion 8, no border",
             "00 00  00 00 00 00 00 00 00 00  // no variable operand", size, "0a 19 00 00  00 08  00 00",
             "05  // fore colour", "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"});
}

struct ShapeCase {
  const char* name;
  Columns columns;
  std::string expected;
};

// Box blocks: width, height, top-left offset on a 320-pixel screen.
const ShapeCase kShapes[] = {
    {"Rectangle",
     {{"Type", 1}, {"PenWidth", 1}},
     ShapeHeader("21") + " " +
         Hx({"52 43  05  01            // RC, colour 5, pen width 1",
             "1e 00 00 00  0a 19 00 00  // top: 30 wide at (10, 20)",
             "00 00 28 00  27 19 00 00  // right: 40 high at (39, 20)",
             "1e 00 00 00  ca 49 00 00  // bottom: 30 wide at (10, 59)",
             "00 00 28 00  0a 19 00 00  // left: 40 high at (10, 20)"})},
    {"RectanglePenWiderThanItself",
     {{"Type", 1}, {"PenWidth", 45}},
     ShapeHeader("21") + " " +
         Hx({"52 43  05  2d            // pen width 45", "1e 00 00 00  0a 19 00 00  // top",
             "00 00 28 00  fb 18 00 00  // right edge at x = -5, nothing clipped: offset 6395",
             "1e 00 00 00  ca 12 00 00  // bottom at y = 15: offset 4810", "00 00 28 00  0a 19 00 00  // left"})},
    {"Line",
     {{"Type", 2}, {"PenWidth", 0}, {"Dy", 0}},
     ShapeHeader("20", "1e 00 00 00") + " " +
         Hx({"4c 49  05  00             // LI, colour 5, pen width 0",
             "1e 00 00 00  0a 19 00 00  28 19 00 00  // 30 wide from (10, 20) to (40, 20)",
             "00 00 00 00 00 00 00 00"})},
    {"LineSlantedBack",
     {{"Type", 2}, {"PenWidth", 3}, {"Dx", -5}, {"Dy", -3}},
     ShapeHeader("20", "fb ff fd ff") + " " +
         Hx({"4c 49  05  03", "ff ff ff ff  0a 19 00 00  45 15 00 00  // slanted, from (10, 20) to (5, 17)",
             "00 00 00 00 00 00 00 00"})},
    {"Ellipse",
     {{"Type", 6}},
     ShapeHeader("26") + " " +
         Hx({"45 4c  05  ff             // EL, colour 5, fixed ff", "1e 00 28 00  0a 19 00 00  // bounding box",
             "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"})},
    {"RoundRect",
     {{"Type", 7}},
     ShapeHeader("27") + " " +
         Hx({"52 52  05  ff             // RR, colour 5, fixed ff", "1e 00 28 00  0a 19 00 00  // bounding box",
             "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"})},
};

class Shape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(Shape, WholeRecordStored) {
  TestProject project;
  project.AddModule("Main");
  project.AddDisplay({{"ModuleID", 1}});
  Columns columns = {{"DisplayID", 1}, {"GUID", 300}, {"Xs", 10}, {"Ys", 20}, {"Dx", 30}, {"Dy", 40}, {"ColorFore", 5}};
  for (const auto& c : GetParam().columns) {
    auto same = std::find_if(columns.begin(), columns.end(), [&](const auto& d) { return d.first == c.first; });
    if (same != columns.end()) *same = c;
    else columns.push_back(c);
  }
  int32_t id = project.AddElement(columns);
  project.Compiler().CompileHmiElement(id);
  EXPECT_EQ(project.UnitHex(300), GetParam().expected);
  EXPECT_EQ(project.Compiler().HmiElementSize(id), static_cast<int32_t>(GetParam().expected.size() + 1) / 3);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Shape, ::testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.name); });

// An ellipse and a rounded rectangle keep their length whatever their size.
TEST(ShapeLength, FixedWhateverTheSize) {
  TestProject project;
  project.AddModule("Main");
  project.AddDisplay({{"ModuleID", 1}});
  for (auto [type, length] : {std::pair{6, 130}, std::pair{7, 132}}) {
    for (auto [dx, dy] : {std::pair{0, 0}, std::pair{300, 200}, std::pair{1, 70000}}) {
      int32_t id = project.AddElement({{"DisplayID", 1}, {"Type", type}, {"Dx", dx}, {"Dy", dy}});
      EXPECT_EQ(project.Compiler().HmiElementSize(id), length) << type << ": " << dx << " x " << dy;
    }
  }
}

}  // namespace
}  // namespace brisklet::test
