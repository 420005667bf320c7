// The synthetic project generator: the same seed gives the same project, every element kind
// built so far is there and pending, the pictures and fonts are usable, and a compile finds
// exactly the problems put in on purpose.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "ProjectGenerator.h"
#include "elements/KindRegistry.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

// Every row of every table the generator writes, in rowid order, as text.
std::vector<std::string> Dump(TestProject& project) {
  std::vector<std::string> out;
  for (const char* table : {"DispModules", "Pages", "HMI_Elements", "DownloadDLUs", "HMI_Palettes", "PagesAndImages",
                            "ElementsAndImages", "ProjectImages", "HMIJumps", "LdrFunctions", "Trends", "Curves",
                            "tblFonts", "tblFontGlyphs", "ProjectTexts", "ProjectSettings"}) {
    for (const std::string& row : project.Texts(std::string("SELECT * FROM ") + table + " ORDER BY rowid")) {
      out.push_back(table + (" " + row));
    }
  }
  return out;
}

class Generator : public ::testing::Test {
 protected:
  Generator() : project(TestProject::EmptyFile{TempPath("generated.db")}) {}
  GeneratorSummary Generate(int32_t displays, int32_t elementsPerDisplay, uint64_t seed = 1) {
    return GenerateProject(project.Db(), {displays, elementsPerDisplay, seed});
  }
  int64_t Count(const std::string& sql) { return project.Scalar(sql).ToLong(); }
  TestProject project;
};

TEST_F(Generator, SameSeedGivesTheSameProjectRowForRow) {
  for (GeneratorMix mix : {GeneratorMix::Classic, GeneratorMix::EveryKind}) {
    auto dump = [mix](const char* name, uint64_t seed) {
      TestProject made(TestProject::EmptyFile{TempPath(name)});
      GenerateProject(made.Db(), {4, 30, seed, mix});
      return Dump(made);
    };
    EXPECT_EQ(dump("one.db", 7), dump("again.db", 7));
    EXPECT_NE(dump("one.db", 7), dump("other.db", 8));
  }
}

TEST_F(Generator, CountsWhatItMadeAndLeavesEverythingPending) {
  GeneratorSummary s = Generate(30, 20);
  EXPECT_EQ(s.displays, 30);
  EXPECT_EQ(s.elements, 600);
  EXPECT_EQ(s.modules, 2);  // 25 displays a module
  EXPECT_EQ(project.Texts("SELECT (SELECT COUNT(*) FROM Pages), (SELECT COUNT(*) FROM HMI_Elements), (SELECT COUNT(*) "
                          "FROM DispModules), (SELECT COUNT(*) FROM HMIJumps), (SELECT COUNT(*) FROM ProjectImages)"),
            std::vector<std::string>{"30 600 2 " + std::to_string(s.jumps) + " " + std::to_string(s.images)});
  // One bookkeeping row per element and display, all pending.
  EXPECT_EQ(project.Texts("SELECT COUNT(*), SUM(IsCompiled) FROM DownloadDLUs"), std::vector<std::string>{"630 0"});
  EXPECT_EQ(Count("SELECT COUNT(*) FROM HMI_Elements WHERE GUID NOT IN (SELECT Guid FROM DownloadDLUs)"), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM Pages WHERE GUID NOT IN (SELECT Guid FROM DownloadDLUs)"), 0);
}

// Every kind built so far (Type, and VarType for Type 5) and the features of a real panel.
TEST_F(Generator, KindsAndFeaturesOfARealPanelAppear) {
  Generate(20, 100);
  EXPECT_EQ(project.Column("SELECT DISTINCT Type * 100 + VarType FROM HMI_Elements ORDER BY 1"),
            (std::vector<int64_t>{100, 200, 300, 400, 501, 502, 520, 600, 700, 1100, 1200}));
  EXPECT_GT(Count("SELECT COUNT(*) FROM HMI_Elements WHERE Binary = '{\"IsSwitch\": true}'"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM HMI_Elements WHERE Type IN (4, 12) AND VarOprndType=2"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM HMI_Elements WHERE Type IN (4, 12) AND VarOprndType=0 AND VarOprndAddr>=0"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM HMI_Elements WHERE TabIndex<>255"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM HMI_Elements WHERE TouchOprndAddr>=0"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM PagesAndImages"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM Pages WHERE ConstrID<>0 OR FuncID<>0 OR DestrID<>0"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM ElementsAndImages"), 0);
  // Every element picture names a project image.
  EXPECT_EQ(Count("SELECT COUNT(*) FROM ElementsAndImages WHERE Image_CRC NOT IN (SELECT CRC FROM ProjectImages)"), 0);
  // Fonts 1 and 2 with a line height and an advance for each printable ASCII code.
  EXPECT_EQ(project.Column("SELECT FontNumber FROM tblFonts ORDER BY id"), (std::vector<int64_t>{1, 2}));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM tblFonts WHERE LineHeight > 0"), 2);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM tblFontGlyphs WHERE Code BETWEEN 32 AND 126 AND Advance > 0"), 2 * 95);
}

TEST_F(Generator, ImageDataInflatesToPixelsWhoseCrcIsTheImageCrc) {
  Generate(1, 10);
  sqlite3_stmt* stmt = project.Db().Prepared("SELECT CRC, Data8bpp FROM ProjectImages");
  int images = 0;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    Bytes packed = ColumnValue(stmt, 1).ToBytes();
    Bytes pixels(1 << 16);
    uLongf length = pixels.size();
    ASSERT_EQ(uncompress(pixels.data(), &length, packed.data(), packed.size()), Z_OK);
    EXPECT_EQ(static_cast<int32_t>(crc32(0, pixels.data(), static_cast<uInt>(length))), sqlite3_column_int(stmt, 0));
    ++images;
  }
  sqlite3_reset(stmt);
  EXPECT_EQ(images, 8);
}

TEST_F(Generator, ACompileFindsExactlyTheDeliberateProblemsAndStoresEveryItem) {
  Generate(6, 50);
  clsDownload& compiler = project.Compiler();
  compiler.CompileHMI();
  EXPECT_EQ(project.Messages().Texts(),
            (std::vector<std::string>{"The Element: 'Tiny 3D box' is too small for 3D",
                                      "The HMI Display: '" +
                                          project.Scalar("SELECT Description FROM Pages WHERE Id=1").ToString() +
                                          "' has 2 or more elements with the same touch operand address. MB: 99",
                                      "This Trend doesn't have any Curves configured"}));
  EXPECT_EQ(compiler.ErrorCount(), 3);
  EXPECT_EQ(compiler.WarningCount(), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM DownloadUnits"), 6 * 50 + 6);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM DownloadDLUs WHERE IsCompiled=0"), 0);
}

// The every-kind mix stores a record of each kind the compiler builds, in both forms where the
// kind has two (the tag behind the 90-byte header), and still only the deliberate problems.
TEST_F(Generator, EveryKindMixStoresARecordOfEveryBuiltKind) {
  GenerateProject(project.Db(), {2, 60, 1, GeneratorMix::EveryKind});
  project.Compiler().CompileHMI();
  EXPECT_EQ(project.Messages().Texts().size(), 3u);
  std::set<std::string> built;
  for (const KindRow& kind : KindTable()) {
    if (kind.compile) built.insert({std::string(kind.tag), std::string(kind.entryTag)});
  }
  built.erase("");
  std::vector<std::string> tags =
      project.Texts("SELECT DISTINCT CAST(substr(Data, 91, 2) AS TEXT) FROM DownloadUnits WHERE UnitGuid > 32000");
  EXPECT_EQ(std::set<std::string>(tags.begin(), tags.end()), built);
}

TEST_F(Generator, OptionsOutOfRangeAreRefusedAndNothingIsWritten) {
  const std::tuple<int32_t, int32_t, const char*> cases[] = {
      {0, 10, "--displays is 0, expected 1 to 30000"},
      {30001, 10, "--displays is 30001, expected 1 to 30000"},
      {1, -1, "--elements-per-display is -1, expected 0 to 10000"},
      {1, 10001, "--elements-per-display is 10001, expected 0 to 10000"},
  };
  for (const auto& [displays, elements, detail] : cases) {
    EXPECT_EQ(ErrorOf([&] { Generate(displays, elements); }).Detail(), detail);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Pages"), 0) << detail;
    EXPECT_EQ(Count("SELECT COUNT(*) FROM ProjectSettings"), 0) << detail;
  }
}

// The command: a new file, never an existing one.
TEST(GenerateCommand, CreatesANewProjectAndRefusesAnExistingFile) {
  std::string path = TempPath("cli.db");
  fs::remove(path);
  ToolRun run = RunTool("generate " + path + " --displays 3 --elements-per-display 4 --seed 5");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "generated " + path + ": 1 modules, 3 displays, 12 elements, 8 images, 6 jumps, all pending\n");
  auto size = fs::file_size(path);
  run = RunTool("generate " + path + " --displays 3 --elements-per-display 4");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "brisklet: Cannot create project database ('" + path + "' already exists)\n");
  EXPECT_EQ(fs::file_size(path), size);
  EXPECT_EQ(RunTool("generate " + path + "-x --displays 0 --elements-per-display 4").exitCode, 2);
  EXPECT_FALSE(fs::exists(path + "-x"));
  fs::remove(path);
}

}  // namespace
}  // namespace brisklet::test
