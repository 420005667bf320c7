// Pixel offsets, the geometry, box and line blocks, and text anchor points.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "base/RuntimeError.h"
#include "base/TextAnchor.h"
#include "encoding/GeometryEncoding.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(PixelOffset, ScreenWidthFromTheProjectSettings) {
  TestProject project;
  {
    ActiveHost active(project.Host());
    EXPECT_EQ(PixelOffset(5, 2), 2 * 320 + 5);  // no setting: 320 pixels
  }
  project.SetSetting("ScreenWidth", 128);
  ActiveHost active(project.Host());
  EXPECT_EQ(PixelOffset(5, 2), 261);
  EXPECT_EQ(Hex(EncodeBoxBlock(5, 2, 0, 0)), Hx({"00 00  00 00  05 01 00 00"}));
}

TEST(GeometryBlock, NoColourAndLow16BitSizes) {
  TestProject project;
  project.SetSetting("ScreenWidth", 128);
  ActiveHost active(project.Host());
  EXPECT_EQ(Hex(EncodeGeometryBlock(5, 2, 300, 70000, -1, 2, 1)), Hx({
                                                                      "2c 01        // width 300",
                                                                      "70 11        // height 70000, low 16 bits",
                                                                      "05 01 00 00  // (5, 2) on 128 pixels",
                                                                      "ff           // colour -1",
                                                                      "00           // no companion",
                                                                      "02 01        // border width, 3D flag",
                                                                  }));
  EXPECT_EQ(Hex(EncodeGeometryBlock(0, 0, 1, 1, 3, 0, 0)), Hx({"01 00  01 00  00 00 00 00  03 0b  00 00"}));
}

// The companion byte of the documented palette rule (docs/host-services.md, "ColorService").
TEST(CompanionColour, DocumentedPaletteRule) {
  TestProject project;
  ActiveHost active(project.Host());
  const std::pair<int32_t, int32_t> cases[] = {{-1, 0},    {-2, 0},    {0, 8},     {3, 11},  {7, 15},
                                               {8, 15},    {9, 15},    {15, 15},   {16, 59}, {231, 231},
                                               {232, 236}, {254, 255}, {255, 255}, {256, 8}};
  for (auto [colour, companion] : cases) EXPECT_EQ(CompanionColorByte(colour), companion) << colour;
}

struct LineCase {
  const char* name;
  int32_t xs, ys, dx, dy;
  const char* expected;  // width, height, start offset, end offset, on a 320-pixel screen
};

const LineCase kLines[] = {
    {"Horizontal", 10, 20, 30, 0, "1e 00 00 00  0a 19 00 00  28 19 00 00"},             // (10,20) to (40,20)
    {"HorizontalNegative", 50, 20, -10, 0, "0a 00 00 00  28 19 00 00  32 19 00 00"},    // (40,20) to (50,20)
    {"VerticalNegative", 50, 20, 0, -10, "00 00 0a 00  b2 0c 00 00  32 19 00 00"},      // (50,10) to (50,20)
    {"VerticalAboveTheScreen", 0, 5, 0, -10, "00 00 0a 00  c0 f9 ff ff  40 06 00 00"},  // (0,-5) to (0,5)
    {"Point", 5, 5, 0, 0, "00 00 00 00  45 06 00 00  45 06 00 00"},
    {"Slanted", 10, 20, 30, 40, "ff ff ff ff  0a 19 00 00  28 4b 00 00"},              // to (40,60)
    {"SlantedNegative", 50, 20, -10, 5, "ff ff ff ff  32 19 00 00  68 1f 00 00"},      // to (40,25)
    {"SlantedBothNegative", 10, 20, -5, -3, "ff ff ff ff  0a 19 00 00  45 15 00 00"},  // to (5,17)
    // Xs + Dx >= 320: the end is pulled back to column 319, the width bytes stay.
    {"PastTheRightEdge", 300, 20, 30, 0, "1e 00 00 00  2c 1a 00 00  3f 1a 00 00"},
    {"OnTheRightEdge", 290, 20, 30, 0, "1e 00 00 00  22 1a 00 00  3f 1a 00 00"},
    {"LastColumn", 289, 20, 30, 0, "1e 00 00 00  21 1a 00 00  3f 1a 00 00"},
    {"SlantedPastTheRightEdge", 300, 20, 40, 10, "ff ff ff ff  2c 1a 00 00  bf 26 00 00"},  // to (319,30)
};

class LineBlock : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineBlock, Encodes) {
  TestProject project;
  ActiveHost active(project.Host());
  const LineCase& c = GetParam();
  EXPECT_EQ(Hex(EncodeLineBlock(c.xs, c.ys, c.dx, c.dy)), Hx({c.expected}));
}

INSTANTIATE_TEST_SUITE_P(Cases, LineBlock, ::testing::ValuesIn(kLines),
                         [](const auto& info) { return std::string(info.param.name); });

struct AnchorCase {
  int32_t x, y, w, h, alignment, frameStyle;
  int32_t expectedX, expectedY;
};

TEST(TextAnchorPoint, ByAlignmentAndFrameStyle) {
  const AnchorCase cases[] = {
      // Frame style 1: a 4-pixel margin on (0, 0, 100, 40).
      {0, 0, 100, 40, 0, 1, 4, 4},    {0, 0, 100, 40, 1, 1, 50, 4},  {0, 0, 100, 40, 2, 1, 96, 4},
      {0, 0, 100, 40, 3, 1, 4, 20},   {0, 0, 100, 40, 4, 1, 50, 20}, {0, 0, 100, 40, 5, 1, 96, 20},
      {0, 0, 100, 40, 6, 1, 4, 36},   {0, 0, 100, 40, 7, 1, 50, 36}, {0, 0, 100, 40, 8, 1, 96, 36},
      {0, 0, 100, 40, 9, 1, 50, 20},                                  // unknown alignment: centre
      {0, 0, 100, 40, -1, 1, 50, 20}, {0, 0, 100, 40, 0, 3, 4, 4},    // style 3: margin 4
      {0, 0, 100, 40, 8, 2, 99, 39},                                  // style 2: margin 1
      {0, 0, 100, 40, 0, 2, 1, 1},    {0, 0, 100, 40, 4, 0, 50, 20},  // style 0: no margin
      {0, 0, 100, 40, 8, 0, 100, 40}, {0, 0, 100, 40, 0, 4, 0, 0},    // any other style: no margin
      {10, 20, 5, 5, 4, 0, 12, 22},                                   // halves truncate
      {10, 10, -5, -5, 4, 0, 8, 8},                                   // toward zero
  };
  for (const AnchorCase& c : cases) {
    int32_t x = -99, y = -99;
    GetTextAnchorPoint(c.x, c.y, c.w, c.h, x, y, c.alignment, c.frameStyle);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.expectedX, c.expectedY))
        << "alignment " << c.alignment << " style " << c.frameStyle << " on (" << c.x << ", " << c.y << ", " << c.w
        << ", " << c.h << ")";
  }
}

// Sums and products outside 32 bits are an error, never a wrap.
TEST(GeometryOverflow, OutsideThe32BitRange) {
  TestProject project;
  ActiveHost active(project.Host());
  int32_t x = 0, y = 0;
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"product y * width", [] { PixelOffset(0, 10000000); }},
      {"sum y * width + x", [] { PixelOffset(200, 6710886); }},  // 6710886 * 320 = 2147483520
      {"negative product", [] { PixelOffset(0, -10000000); }},
      {"box block", [] { EncodeBoxBlock(0, 7000000, 1, 1); }},
      {"box width", [] { EncodeBoxBlock(0, 0, int64_t{kMax} + 1, 1); }},
      {"geometry block", [] { EncodeGeometryBlock(kMax, 1, 1, 1, 0, 0, 0); }},
      {"line of width -2^31", [] { EncodeLineBlock(0, 0, kMin, 0); }},
      {"line start moved below -2^31", [] { EncodeLineBlock(kMin, 0, -1, 0); }},
      {"slanted end below -2^31", [] { EncodeLineBlock(0, -1, 1, kMin); }},
      {"anchor margin", [&] { GetTextAnchorPoint(kMax, 0, 10, 10, x, y, 0, 1); }},
      {"anchor right edge", [&] { GetTextAnchorPoint(kMax - 10, 0, 100, 10, x, y, 2, 0); }},
  };
  for (const auto& [name, call] : cases) {
    try {
      call();
      ADD_FAILURE() << name << ": no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Text(), "Overflow") << name;
    }
  }
}

}  // namespace
}  // namespace brisklet::test
