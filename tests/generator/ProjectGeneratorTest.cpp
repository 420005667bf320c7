// The synthetic project generator: the same seed gives the same project, every element kind
// built so far is there and pending, the pictures and fonts are usable, and a compile finds
// exactly the problems put in on purpose.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ProjectGenerator.h"
#include "base/RuntimeError.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

std::string TempPath(std::string name) {
  for (char& c : name) c = c == '/' ? '-' : c;  // parameterised test names hold a '/'
  return (fs::temp_directory_path() / (std::string("brisklet-gen-") + std::to_string(getpid()) + "-" + name)).string();
}

// Every row of every table the generator writes, in rowid order, as text.
std::string Dump(Connection& db) {
  static const char* kTables[] = {
      "DispModules",       "Pages",         "HMI_Elements", "DownloadDLUs",   "HMI_Palettes", "PagesAndImages",
      "ElementsAndImages", "ProjectImages", "HMIJumps",     "LdrFunctions",   "Trends",       "Curves",
      "tblFonts",          "tblFontGlyphs", "ProjectTexts", "ProjectSettings"};
  std::ostringstream out;
  for (const char* table : kTables) {
    sqlite3_stmt* stmt = db.Prepared(std::string("SELECT * FROM ") + table + " ORDER BY rowid");
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      out << table;
      for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        Value v = ColumnValue(stmt, i);
        out << '|' << (v.IsBytes() ? Hex(v.ToBytes()) : v.SqlText());
      }
      out << '\n';
    }
    sqlite3_reset(stmt);
  }
  return out.str();
}

class Generator : public ::testing::Test {
 protected:
  Generator()
      : project(TestProject::EmptyFile{TempPath(::testing::UnitTest::GetInstance()->current_test_info()->name())}) {}
  GeneratorSummary Generate(int32_t displays, int32_t elementsPerDisplay, uint64_t seed = 1) {
    return GenerateProject(project.Db(), {displays, elementsPerDisplay, seed});
  }
  int64_t Count(const std::string& sql) { return project.Scalar(sql).ToLong(); }
  TestProject project;
};

TEST_F(Generator, SameSeedGivesTheSameProjectRowForRow) {
  Generate(4, 30, 7);
  std::string first = Dump(project.Db());
  TestProject again(TestProject::EmptyFile{TempPath("again")});
  GenerateProject(again.Db(), {4, 30, 7});
  TestProject other(TestProject::EmptyFile{TempPath("other")});
  GenerateProject(other.Db(), {4, 30, 8});
  EXPECT_EQ(first, Dump(again.Db()));
  EXPECT_NE(first, Dump(other.Db()));
}

TEST_F(Generator, CountsWhatItMadeAndLeavesEverythingPending) {
  GeneratorSummary s = Generate(30, 20);
  EXPECT_EQ(s.displays, 30);
  EXPECT_EQ(s.elements, 600);
  EXPECT_EQ(s.modules, 2);  // 25 displays a module
  EXPECT_EQ(Count("SELECT COUNT(*) FROM Pages"), 30);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM HMI_Elements"), 600);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM DispModules"), 2);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM HMIJumps"), s.jumps);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM ProjectImages"), s.images);
  // One bookkeeping row per element and display, all pending.
  EXPECT_EQ(Count("SELECT COUNT(*) FROM DownloadDLUs WHERE IsCompiled=0"), 630);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM DownloadDLUs"), 630);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM HMI_Elements WHERE GUID NOT IN (SELECT Guid FROM DownloadDLUs)"), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM Pages WHERE GUID NOT IN (SELECT Guid FROM DownloadDLUs)"), 0);
}

// Type, VarType: every kind built so far appears in a project of a thousand elements.
struct KindCase {
  int32_t type;
  int32_t varType;
};

class GeneratedKinds : public Generator, public ::testing::WithParamInterface<KindCase> {};

TEST_P(GeneratedKinds, Appear) {
  Generate(10, 100);
  EXPECT_GT(Count(std::string("SELECT COUNT(*) FROM HMI_Elements WHERE Type=") + std::to_string(GetParam().type) +
                  std::string(" AND VarType=") + std::to_string(GetParam().varType)),
            0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, GeneratedKinds,
                         ::testing::Values(KindCase{1, 0}, KindCase{2, 0}, KindCase{3, 0}, KindCase{4, 0},
                                           KindCase{6, 0}, KindCase{7, 0}, KindCase{11, 0}, KindCase{12, 0},
                                           KindCase{5, 1}, KindCase{5, 2}, KindCase{5, 20}));

TEST_F(Generator, FeaturesOfARealPanelAppear) {
  Generate(20, 100);
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

struct BadOptions {
  int32_t displays;
  int32_t elementsPerDisplay;
  const char* detail;
};

class GeneratorOptionsOutOfRange : public Generator, public ::testing::WithParamInterface<BadOptions> {};

TEST_P(GeneratorOptionsOutOfRange, AreRefusedAndNothingIsWritten) {
  try {
    Generate(GetParam().displays, GetParam().elementsPerDisplay);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Detail(), GetParam().detail);
  }
  EXPECT_EQ(Count("SELECT COUNT(*) FROM Pages"), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM ProjectSettings"), 0);
}

INSTANTIATE_TEST_SUITE_P(Options, GeneratorOptionsOutOfRange,
                         ::testing::Values(BadOptions{0, 10, "--displays is 0, expected 1 to 30000"},
                                           BadOptions{30001, 10, "--displays is 30001, expected 1 to 30000"},
                                           BadOptions{1, -1, "--elements-per-display is -1, expected 0 to 10000"},
                                           BadOptions{1, 10001,
                                                      "--elements-per-display is 10001, expected 0 to 10000"}));

// The command: a new file, never an existing one.
int RunTool(const std::string& args, std::string& out) {
  std::string capture = TempPath("out.txt");
  int status = std::system((std::string(BRISKLET_CLI) + " " + args + " >" + capture + " 2>&1").c_str());
  std::ifstream in(capture);
  std::stringstream s;
  s << in.rdbuf();
  out = s.str();
  fs::remove(capture);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(GenerateCommand, CreatesANewProjectAndRefusesAnExistingFile) {
  std::string path = TempPath("cli.db");
  fs::remove(path);
  std::string out;
  EXPECT_EQ(RunTool("generate " + path + " --displays 3 --elements-per-display 4 --seed 5", out), 0);
  EXPECT_EQ(out, "generated " + path + ": 1 modules, 3 displays, 12 elements, 8 images, 6 jumps, all pending\n");
  auto size = fs::file_size(path);
  EXPECT_EQ(RunTool("generate " + path + " --displays 3 --elements-per-display 4", out), 2);
  EXPECT_EQ(out, "brisklet: Cannot create project database ('" + path + "' already exists)\n");
  EXPECT_EQ(fs::file_size(path), size);
  EXPECT_EQ(RunTool("generate " + path + "-x --displays 0 --elements-per-display 4", out), 2);
  EXPECT_FALSE(fs::exists(path + "-x"));
  fs::remove(path);
}

}  // namespace
}  // namespace brisklet::test
