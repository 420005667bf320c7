// Our own checks through the tool: compile and check tell their findings (marked "lint") beside
// the compiler's, which they leave exactly as they were; brisklet.toml and its mistakes; exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support/CompiledProjects.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

// The demo with a mistake for each of our checks that lets the compile go on, in a folder of
// its own (where a brisklet.toml may go beside it).
class LintCli : public ::testing::Test {
 protected:
  LintCli() : dir(MadeFolder(TempPath("lint-cli"))), demo(TestProject::EmptyFile{path("demo.db")}) {
    AddDemoRows(demo);
    demo.AddElement(
        {{"DisplayID", 1}, {"Type", 1}, {"Text", "Stray"}, {"Xs", 1000}, {"Ys", 900}, {"Dx", 8}, {"Dy", 8}});
    demo.AddElement({{"DisplayID", 1}, {"Type", 3}, {"Text", "No logo"}, {"Dx", 8}, {"Dy", 8}});
  }
  ~LintCli() override { fs::remove_all(dir); }
  std::string path(const char* name) const { return (dir / name).string(); }
  void Config(const std::string& toml) { std::ofstream(dir / "brisklet.toml") << toml; }
  static fs::path MadeFolder(const fs::path& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
  }
  fs::path dir;
  TestProject demo;  // the file lives as long as the project
};

// The lines of ours (or of the compiler's), each without the project's path that starts it.
std::vector<std::string> LinesOf(const std::string& text, bool lint) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if ((line.find("[lint]") != std::string::npos) == lint) out.push_back(line.substr(line.find(".db:") + 1));
  }
  return out;
}

// The rows a compile writes, read with the sqlite3 shell's dump of those tables.
std::string CompiledRows(const std::string& db) {
  return RunShell("sqlite3 " + db +
                  " 'SELECT UnitGuid, hex(Data) FROM DownloadUnits ORDER BY 1; SELECT * FROM DownloadDLUs ORDER BY 1; "
                  "SELECT ID, TabIndex FROM HMI_Elements ORDER BY 1'")
      .out;
}

TEST_F(LintCli, TheCompilersFindingsCountersAndUnitsStayAsTheyWereWithOurChecksOnOrOff) {
  fs::copy_file(path("demo.db"), path("off.db"));
  ToolRun on = RunTool("compile " + path("demo.db") + " --rebuild");
  Config(
      "[rules]\nOffScreen = \"off\"\nMissingJumpTarget = \"off\"\nMissingTextTableEntry = \"off\"\n"
      "CharacterNotInCodePage = \"off\"\nNoBookkeepingRow = \"off\"\nOverlappingTouchAreas = \"off\"\n"
      "MissingPicture = \"off\"\n");
  ToolRun off = RunTool("compile " + path("off.db") + " --rebuild");
  EXPECT_EQ(on.exitCode, off.exitCode);
  EXPECT_EQ(on.out, off.out);  // "compiled: ... N errors, M warnings"
  EXPECT_FALSE(LinesOf(on.err, true).empty()) << on.err;
  EXPECT_TRUE(LinesOf(off.err, true).empty()) << off.err;
  std::vector<std::string> compilers = LinesOf(on.err, false);
  compilers.pop_back();  // the summary counts ours too
  std::vector<std::string> alone = LinesOf(off.err, false);
  alone.pop_back();
  EXPECT_EQ(compilers, alone);
  std::string stored = CompiledRows(path("demo.db"));
  EXPECT_GT(stored.size(), 1000u);
  EXPECT_EQ(stored, CompiledRows(path("off.db")));
}

struct ExitCase {
  const char* name;
  const char* toml;
  const char* options;
  int exitCode;
  const char* said;  // a part of stderr
};

TEST_F(LintCli, CheckExitCodesAndConfigurationMistakes) {
  const ExitCase cases[] = {
      {"warnings only", "", "", 0, "[lint]"},
      {"warnings with --werror", "", " --werror", 1, "warning[BRK107]"},
      {"a rule made an error", "[rules]\nMissingPicture = \"error\"\n", "", 1, "error[BRK107]"},
      {"notes never fail",
       "[rules]\nMissingPicture = \"note\"\nBRK101 = \"note\"\nBRK102 = \"note\"\nBRK103 = \"note\"\nBRK106 = "
       "\"note\"\n",
       " --werror", 0, "note[BRK107]"},
      {"a mistake in the file", "[rules]\nBRK001 = \"off\"\n", "", 2, "brisklet.toml:2:10: error: BRK001 is a rule"},
      {"--config of a file that is not there", "", " --config nowhere.toml", 2, "nowhere.toml: error: cannot be read"},
  };
  std::string before = CompiledRows(path("demo.db"));
  for (const ExitCase& c : cases) {
    Config(c.toml);
    ToolRun run = RunTool("check " + path("demo.db") + c.options);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err;
    EXPECT_NE(run.err.find(c.said), std::string::npos) << c.name << ": " << run.err;
  }
  EXPECT_EQ(CompiledRows(path("demo.db")), before);  // check compiles nothing
}

TEST_F(LintCli, JsonAndSarifMarkOurFindings) {
  Config("[[suppress]]\nrule = \"BRK106\"\nelement = 9999\nreason = \"gone\"\n");
  ToolRun json = RunTool("check " + path("demo.db") + " --diagnostics json");
  bool ours = false, stale = false;
  std::istringstream lines(json.err);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] != '{') continue;
    auto d = nlohmann::json::parse(line);
    ours = ours || (d["family"] == "lint" && d["rule"] == "BRK107" && d["element"]["name"] == "No logo");
    stale = stale || (d["rule"] == "BRK100" && d["file"] == path("brisklet.toml") && d["line"] == 1);
  }
  EXPECT_TRUE(ours && stale) << json.err;
  ToolRun sarif = RunTool("check " + path("demo.db") + " --diagnostics sarif --diagnostics-file -");
  auto run = nlohmann::json::parse(sarif.out)["runs"][0];
  auto rules = run["tool"]["driver"]["rules"];
  auto result = run["results"][0];
  EXPECT_EQ(result["properties"]["family"], "lint");
  EXPECT_EQ(rules[result["ruleIndex"].get<size_t>()]["id"], result["ruleId"]);
  EXPECT_EQ(rules[result["ruleIndex"].get<size_t>()]["properties"]["tags"][0], "lint");
}

TEST(LintCompile, ACompileThatStopsAtTheFirstBadCharacterStillNamesEveryOne) {
  std::string path = TempPath("lint-code-page.db");
  TestProject project(TestProject::EmptyFile{path});
  project.Insert("HMI_Palettes", {{"ID", 1}, {"GUID", 500}});
  project.AddModule("Main");
  project.AddDisplay({{"ModuleID", 1}, {"Description", "Home"}});
  for (const char* text : {"Motor \xCE\xA9", "\xCE\xA9mega \xE2\x89\xA0"}) {  // Omega, not-equal: not in 1252
    project.AddElement({{"DisplayID", 1}, {"Type", 4}, {"Text", text}, {"Dx", 100}, {"Dy", 20}});
  }
  ToolRun run = RunTool("compile " + path);
  EXPECT_EQ(run.exitCode, 2) << run.err;
  size_t named = 0;
  for (size_t at = 0; (at = run.err.find("error[BRK104]", at)) != std::string::npos; ++at) ++named;
  EXPECT_EQ(named, 3u) << run.err;
  EXPECT_NE(run.err.find(": failure: "), std::string::npos) << run.err;
}

}  // namespace
}  // namespace brisklet::test
