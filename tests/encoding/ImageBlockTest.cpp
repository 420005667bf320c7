// The 14-byte image placement block and its key colours from real compressed image data.
#include <gtest/gtest.h>

#include <tuple>

#include "encoding/ImageEncoding.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

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
  struct Case {
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
  for (const Case& c : cases) {
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

// A picture element whose image data cannot be unpacked: the notice, then a run-time error
// that names the element, and nothing stored.
TEST_F(ImageBlock, CorruptDataIsAnnouncedThenFailsThePictureElement) {
  project.AddModule("Main");
  project.AddDisplay({{"ModuleID", 1}, {"Description", "Setup"}});
  int32_t id = project.AddElement({{"DisplayID", 1}, {"Type", 3}, {"GUID", 77}, {"Dx", 10}, {"Dy", 10}});
  project.Insert("ElementsAndImages",
                 {{"Element_ID", id}, {"Image_Index", 0}, {"Image_CRC", kCorrupt}, {"TransparencyLevel", 1}});
  RuntimeError e = ErrorOf([&] { project.Compiler().CompileHmiElement(id); });
  EXPECT_EQ(e.Text(), "Subscript out of range");
  EXPECT_EQ(e.Where(), std::vector<std::string>{"element " + std::to_string(id) + " (GUID 77) on display 1"});
  EXPECT_EQ(project.Notices(), std::vector<std::string>{"Failed to UnCompress Data"});
  EXPECT_EQ(project.UnitHex(77), "");
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

}  // namespace
}  // namespace brisklet::test
