// Fonts measured from a real font file (DejaVu Sans of fonts-dejavu-core): the metrics stored
// for the project, replacing a font in place, and the `brisklet font add` command.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/FontFile.h"
#include "host/ProjectFonts.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class DejaVuSans : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kDejaVuSans)) GTEST_SKIP() << kDejaVuSans << " is not installed";
  }
};

// DejaVu Sans has 2048 units per em; at 12 px a unit is 12/2048 pixel. Its advances:
// space 651 (3.8), "A" 1401 (8.2), "W" 2025 (11.9), "i" 569 (3.3), "é" 1260 (7.4), "€" 1303
// (7.6); line advance 1901 + 483 = 2384 (14.0), ascender 1901 (11.1, rounded up).
TEST_F(DejaVuSans, TwelvePixelMetricsOfCodePage1252) {
  MeasuredFont font = MeasureFontFile(kDejaVuSans, 12, 1252);
  EXPECT_EQ(font.name, "DejaVu Sans");
  EXPECT_EQ(font.pixelSize, 12);
  EXPECT_EQ(font.lineHeight, 14);
  EXPECT_EQ(font.ascent, 12);
  std::map<uint8_t, int32_t> some;
  for (uint8_t code : {0x20, 0x41, 0x57, 0x69, 0xE9, 0x80}) some[code] = font.advances.at(code);
  EXPECT_EQ(some, (std::map<uint8_t, int32_t>{{0x20, 4}, {0x41, 8}, {0x57, 12}, {0x69, 3}, {0xE9, 7}, {0x80, 8}}));
  // Every byte but the 33 control characters (00-1F, 7F) and the five bytes that code page
  // 1252 leaves undefined (81 8D 8F 90 9D).
  EXPECT_EQ(font.advances.size(), 218u);
  EXPECT_FALSE(font.advances.count(0x0D));
  EXPECT_FALSE(font.advances.count(0x81));
}

TEST_F(DejaVuSans, CodePageDecidesTheCharacterOfAByte) {
  // Byte E0 is "à" (1255 units, 7.4) in 1252 and the Hebrew alef (1369 units, 8.0) in 1255.
  EXPECT_EQ(MeasureFontFile(kDejaVuSans, 12, 1252).advances.at(0xE0), 7);
  EXPECT_EQ(MeasureFontFile(kDejaVuSans, 12, 1255).advances.at(0xE0), 8);
}

TEST_F(DejaVuSans, CrcIsTheFilesCrc32) {
  std::ifstream in(kDejaVuSans, std::ios::binary);
  std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
  EXPECT_EQ(MeasureFontFile(kDejaVuSans, 12, 1252).crc, static_cast<uint32_t>(crc));
}

TEST_F(DejaVuSans, ReplacingAFontKeepsItsRowAndMarksItsElements) {
  TestProject project;
  project.Insert("tblFonts", {{"FontNumber", 1}});  // the project's first font
  InstallFont(project.Db(), 3, 0, MeasureFontFile(kDejaVuSans, 12, 1252));
  int64_t id = project.Scalar("SELECT id FROM tblFonts WHERE FontNumber=3").ToLong();
  int32_t element = project.AddElement({{"FontNumber", 3}});
  int32_t other = project.AddElement({{"FontNumber", 1}});
  project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled=1");

  EXPECT_EQ(InstallFont(project.Db(), 3, 177, MeasureFontFile(kDejaVuSans, 20, 1252)), 1);
  // The same row with pixel size 20, charset 177, line height 23; 218 glyphs, "W" at 20 px:
  // 2025 * 20 / 2048 = 19.8.
  EXPECT_EQ(project.Texts("SELECT id, PixelSize, Charset, LineHeight, (SELECT COUNT(*) FROM tblFontGlyphs WHERE "
                          "FontNumber=3), (SELECT Advance FROM tblFontGlyphs WHERE FontNumber=3 AND Code=87) FROM "
                          "tblFonts WHERE FontNumber=3"),
            std::vector<std::string>{std::to_string(id) + " 20 177 23 218 20"});
  EXPECT_EQ(project.IsCompiled(project.GuidOf(element)), 0);
  EXPECT_EQ(project.IsCompiled(project.GuidOf(other)), 1);
}

// The command itself, run as the user runs it.
class FontAddCommand : public DejaVuSans {
 protected:
  void SetUp() override {
    DejaVuSans::SetUp();
    std::filesystem::remove(db);
    ASSERT_EQ(RunTool("init " + db).exitCode, 0);
  }
  void TearDown() override { std::filesystem::remove(db); }
  std::string db = TempPath("fonts.db");
};

TEST_F(FontAddCommand, StoresTheFont) {
  ToolRun run = RunTool("font add " + db + " " + kDejaVuSans + " --size 12 --number 5");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  auto conn = Connection::Open(db);
  sqlite3_stmt* stmt = conn->Prepared(
      "SELECT FontNumber, Charset, FontName, LineHeight, "
      "(SELECT COUNT(*) FROM tblFontGlyphs WHERE FontNumber=5) FROM tblFonts");
  ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
  std::string row;
  for (int i = 0; i < 5; ++i) row += ColumnValue(stmt, i).SqlText() + " ";
  EXPECT_EQ(row, "5 0 DejaVu Sans 14 218 ");
  sqlite3_reset(stmt);
}

TEST_F(FontAddCommand, UnreadableFileIsOneLineAndExitTwo) {
  std::string missing = TempPath("missing.ttf");
  ToolRun run = RunTool("font add " + db + " " + missing + " --size 12 --number 5");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "brisklet: Font file not readable (" + missing + ": No such file or directory)\n");
  run = RunTool("font add " + db + " " + db + " --size 12 --number 5");  // a file, but no font
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "brisklet: Not a font file (" + db + " is not a TrueType or OpenType font)\n");
}

}  // namespace
}  // namespace brisklet::test
