// The encoders' blocks: pixel offsets, the geometry, box and line blocks, text anchor points,
// the 14-byte image block with its key colours from real compressed image data, and the 8-byte
// operand block.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <tuple>

#include "base/RuntimeError.h"
#include "base/TextAnchor.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/ImageEncoding.h"
#include "encoding/OperandEncoding.h"
#include "host/ZlibDecompressor.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Pixel offsets on the screen width of the project settings (320 without one); geometry
// blocks without a colour and with sizes cut to 16 bits.
TEST(GeometryBlock, ScreenWidthNoColourAndLow16BitSizes) {
  TestProject project;
  {
    ActiveHost active(project.Host());
    EXPECT_EQ(PixelOffset(5, 2), 2 * 320 + 5);
  }
  project.SetSetting("ScreenWidth", 128);
  ActiveHost active(project.Host());
  EXPECT_EQ(PixelOffset(5, 2), 261);
  EXPECT_EQ(Hex(EncodeBoxBlock(5, 2, 0, 0)), Hx({"00 00  00 00  05 01 00 00"}));
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
  for (const auto& [name, call] : cases) EXPECT_EQ(ErrorOf(call).Text(), "Overflow") << name;
}

constexpr int32_t kPicture8 = 0x1111;   // 8-bit, first pixel 0x2A
constexpr int32_t kPicture16 = 0x2222;  // 16-bit, first pixel 0x1F 0xF8
constexpr int32_t kCorrupt = 0x3333;    // 8-bit, data that is not zlib
constexpr int32_t kMissing = 0x4444;    // no ProjectImages row

class ImageBlock : public ::testing::Test {
 protected:
  ImageBlock() {
    project.Insert("ProjectImages", {{"CRC", kPicture8}, {"Bits", 8}, {"Data8bpp", Compressed({0x2A, 0x01, 0x02})}});
    project.Insert("ProjectImages", {{"CRC", kPicture16}, {"Bits", 16}, {"Data8bpp", Compressed({0x1F, 0xF8, 0x00})}});
    project.Insert("ProjectImages", {{"CRC", kCorrupt}, {"Bits", 8}, {"Data8bpp", Bytes{1, 2, 3, 4, 5}}});
  }
  std::string Block(int32_t number, int32_t crc, int32_t transparency, int32_t key1, int32_t key2) {
    ActiveHost active(project.Host());
    return Hex(EncodeImageBlock(5, 2, number, crc, transparency, key1, key2));
  }
  TestProject project;
};

// Position (5, 2) on the default 320-pixel screen is 645.
TEST_F(ImageBlock, KeyColours) {
  const struct {
    const char* name;
    int32_t number, crc, transparency, key1, key2;
    const char* expected;
  } cases[] = {
      {"opaque", 3, kPicture8, 0, -1, -1, "85 02 00 00  00 00  ff ff  03 00  11 11 00 00"},
      {"opaque, corrupt data not read", 3, kCorrupt, 0, -1, -1, "85 02 00 00  00 00  ff ff  03 00  33 33 00 00"},
      {"8-bit, first pixel", 3, kPicture8, 1, -1, -1, "85 02 00 00  01 00  ff 2a  03 00  11 11 00 00"},
      {"any transparency level", 3, kPicture8, 40, -1, -1, "85 02 00 00  01 00  ff 2a  03 00  11 11 00 00"},
      {"8-bit, key given", 3, kPicture8, 1, 7, -1, "85 02 00 00  01 00  ff 07  03 00  11 11 00 00"},
      {"8-bit, key given, data not read", 3, kCorrupt, 1, 7, -1, "85 02 00 00  01 00  ff 07  03 00  33 33 00 00"},
      {"16-bit, first pixel", 4, kPicture16, 1, -1, -1, "85 02 00 00  01 00  1f f8  04 00  22 22 00 00"},
      {"16-bit, keys given", 4, kPicture16, 1, 7, 9, "85 02 00 00  01 00  09 07  04 00  22 22 00 00"},
      {"no image row", 0, kMissing, 1, -1, -1, "85 02 00 00  01 00  ff 00  00 00  44 44 00 00"},
      {"image number above 65535", 70000, kPicture8, 0, -1, -1, "85 02 00 00  00 00  ff ff  70 11  11 11 00 00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Block(c.number, c.crc, c.transparency, c.key1, c.key2), Hx({c.expected})) << c.name;
  }
  EXPECT_TRUE(project.Notices().empty());
}

TEST_F(ImageBlock, KeyOutsideAByteIsOverflow) {
  const std::tuple<int32_t, int32_t, int32_t> cases[] = {
      {kPicture8, 256, -1}, {kPicture16, 7, -2}, {kPicture16, 300, 0}};
  for (auto [crc, key1, key2] : cases) {
    EXPECT_EQ(ErrorOf([&] { Block(1, crc, 1, key1, key2); }).Text(), "Overflow") << key1 << ", " << key2;
  }
}

// A picture element whose image data cannot be unpacked whole (not zlib, a stream cut short
// after its first pixel, more than any image): the notice, then a run-time error that names
// the element, and nothing stored. The key colour needs one byte, but the whole stream is
// unpacked, up to the bound.
TEST_F(ImageBlock, DataThatDoesNotUnpackWholeIsAnnouncedThenFailsThePictureElement) {
  Bytes cutShort = Compressed({0x2A, 0x01, 0x02, 0x03, 0x04, 0x05});
  cutShort.resize(cutShort.size() - 5);  // the Adler-32 checksum and a byte before it
  const std::pair<const char*, Bytes> cases[] = {
      {"not zlib", {1, 2, 3, 4, 5}},
      {"cut short", cutShort},
      {"beyond any image", Compressed(Bytes(ZlibDecompressor::kMaxImageBytes + 1, 0x2A))},
  };
  project.AddModule("Main");
  project.AddDisplay({{"ModuleID", 1}, {"Description", "Setup"}});
  int32_t crc = 0x5000;
  for (const auto& [name, data] : cases) {
    project.Insert("ProjectImages", {{"CRC", ++crc}, {"Bits", 8}, {"Data8bpp", data}});
    int32_t id = project.AddElement({{"DisplayID", 1}, {"Type", 3}, {"GUID", crc}, {"Dx", 10}, {"Dy", 10}});
    project.Insert("ElementsAndImages",
                   {{"Element_ID", id}, {"Image_Index", 0}, {"Image_CRC", crc}, {"TransparencyLevel", 1}});
    project.Notices().clear();
    RuntimeError e = ErrorOf([&] { project.Compiler().CompileHmiElement(id); });
    EXPECT_EQ(e.Text(), "Subscript out of range") << name;
    EXPECT_EQ(e.Where(), std::vector<std::string>{"element " + std::to_string(id) + " (GUID " + std::to_string(crc) +
                                                  ") on display 1"})
        << name;
    EXPECT_EQ(project.Notices(), std::vector<std::string>{"Failed to UnCompress Data"}) << name;
    EXPECT_EQ(project.UnitHex(crc), "") << name;
  }
}

TEST_F(ImageBlock, UncompressBytes) {
  ActiveHost active(project.Host());
  EXPECT_EQ(UncompressBytes(Compressed({9, 8, 7})), (Bytes{9, 8, 7}));
  Bytes truncated = Compressed({9, 8, 7, 6, 5, 4, 3, 2, 1});
  truncated.resize(truncated.size() - 3);
  EXPECT_EQ(UncompressBytes(truncated), Bytes{});
  EXPECT_EQ(UncompressBytes(Bytes{}), Bytes{});
  EXPECT_EQ(project.Notices(), std::vector<std::string>(2, "Failed to UnCompress Data"));
}

// What an operand object reports once PrepareDownloadForm has run.
struct DownloadForm {
  int32_t type;
  int64_t value;
  int32_t address;
};

// An operand object whose download form is fixed by the test; before PrepareDownloadForm it
// reports back what it was given, so a block read too early shows the project form.
class FixedFormOperand : public DownloadOperand {
 public:
  explicit FixedFormOperand(DownloadForm form) : mForm(form) {}
  void SetOperandType(int32_t type) override { mShown.type = type; }
  int32_t OperandType() const override { return mShown.type; }
  void SetOperandAddress(int32_t address) override { mShown.address = address; }
  int32_t OperandAddress() const override { return mShown.address; }
  int64_t OperandValue() const override { return mShown.value; }
  int PrepareDownloadForm() override {
    mShown = mForm;
    return 0;
  }

 private:
  DownloadForm mForm, mShown{};
};

class FixedFormOperandHost : public DefaultHost {
 public:
  FixedFormOperandHost(Connection& conn, DownloadForm form) : DefaultHost(conn), mForm(form) {}
  std::unique_ptr<DownloadOperand> NewDownloadOperand() override { return std::make_unique<FixedFormOperand>(mForm); }

 private:
  DownloadForm mForm;
};

struct BlockCase {
  const char* name;
  DownloadForm form;
  const char* expected;
};

// Block: download type (2), then value (4) and address (2), or address (2) and zeros (4).
const BlockCase kBlockCases[] = {
    {"Signed34", {34, -1, 7}, "22 00  ff ff ff ff  07 00"},
    {"Signed37", {37, -2, 7}, "25 00  fe ff ff ff  07 00"},
    {"Signed34Lowest", {34, -2147483648LL, 1}, "22 00  00 00 00 80  01 00"},
    {"Unsigned35Highest", {35, 4294967295LL, 9}, "23 00  ff ff ff ff  09 00"},
    {"Unsigned35Wraps", {35, 4294967296LL, 9}, "23 00  00 00 00 00  09 00"},
    {"Unsigned35Zero", {35, 0, 9}, "23 00  00 00 00 00  09 00"},
    {"Unsigned15", {15, 258, 1}, "0f 00  02 01 00 00  01 00"},
    {"Unsigned38Negative", {38, -2, 1}, "26 00  fe ff ff ff  01 00"},
    {"AddressedIgnoresValue", {6, 12345, 12}, "06 00  0c 00  00 00 00 00"},
    {"AddressAbove65535", {1, 99, 70000}, "01 00  70 11  00 00 00 00"},
    {"NegativeAddress", {1, 0, -2}, "01 00  fe ff  00 00 00 00"},
    {"TypeAbove65535", {70000, 99, 5}, "70 11  05 00  00 00 00 00"},
    // 65536 + 34 has the low 16 bits of 34 but is not a value-carrying type.
    {"ValueTypePlus65536", {65570, 99, 5}, "22 00  05 00  00 00 00 00"},
};

class OperandBlock : public ::testing::TestWithParam<BlockCase> {};

TEST_P(OperandBlock, LaysOutTheReportedDownloadForm) {
  TestProject project;
  FixedFormOperandHost host(project.Db(), GetParam().form);
  ActiveHost active(host);
  EXPECT_EQ(Hex(EncodeOperand(1, 2)), Hx({GetParam().expected}));
}

INSTANTIATE_TEST_SUITE_P(Cases, OperandBlock, ::testing::ValuesIn(kBlockCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OperandBlockOverflow, SignedValueOutside32Bits) {
  for (int64_t value : {2147483648LL, -2147483649LL}) {
    for (int32_t type : {34, 37}) {
      TestProject project;
      FixedFormOperandHost host(project.Db(), {type, value, 1});
      ActiveHost active(host);
      EXPECT_EQ(ErrorOf([] { EncodeOperand(1, 2); }).Text(), "Overflow") << type << " " << value;
    }
  }
}

TEST(EncodeUnsigned32, LittleEndianModulo2To32) {
  const std::pair<int64_t, const char*> cases[] = {
      {258, "02 01 00 00"},           {-2, "fe ff ff ff"},           {0, "00 00 00 00"},
      {4294967295LL, "ff ff ff ff"},  {4294967296LL, "00 00 00 00"}, {4294967296LL + 0x01020304, "04 03 02 01"},
      {-2147483648LL, "00 00 00 80"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(Hex(EncodeUnsigned32(value)), expected) << value;
  EXPECT_EQ(ErrorOf([] { EncodeUnsigned32(-2147483649LL); }).Text(), "Overflow");
}

// The default host's operands, as blocks: an addressed operand carries its address, a
// constant its stored number; an unknown code passes through as an address.
TEST(OperandTranslation, AddressesAndConstants) {
  TestProject project;
  ActiveHost active(project.Host());
  const std::tuple<int32_t, int32_t, const char*> cases[] = {
      {0, -1, "00 00  ff ff  00 00 00 00"},       // none
      {1, 0x1234, "01 00  34 12  00 00 00 00"},   // MB
      {20, 0x1234, "14 00  34 12  00 00 00 00"},  // SDW
      {15, -1, "0f 00  ff ff ff ff  00 00"},      // constant unsigned: -1 is 4294967295
      {34, -1, "22 00  ff ff ff ff  00 00"},      // constant integer
      {35, 300, "23 00  2c 01 00 00  00 00"},     // constant long unsigned
      {37, 100000, "25 00  a0 86 01 00  00 00"},  // constant long
      {38, -2, "26 00  fe ff ff ff  00 00"},      // constant double word
      {21, 0x1234, "15 00  34 12  00 00 00 00"},  // unknown
      {99, 7, "63 00  07 00  00 00 00 00"},
  };
  for (const auto& [code, stored, expected] : cases) {
    EXPECT_EQ(Hex(EncodeOperand(code, stored)), Hx({expected})) << "code " << code;
  }
}

}  // namespace
}  // namespace brisklet::test
