// A project database kept in git with the tool as its diff and merge drivers: an edit shows as
// its line of the text form; edits of different elements on two branches merge into a project
// that compiles; one property changed twice stops the merge. A project kept as a text folder:
// exported twice alike, compiled from its files with diagnostics at their lines, a mistake
// reported with its line and nothing changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "support/CompiledProjects.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

class VersionControl : public ::testing::Test {
 protected:
  VersionControl() {
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~VersionControl() override { fs::remove_all(dir); }

  // git in the repository, without the machine's or the user's configuration.
  ToolRun Git(const std::string& args) {
    return RunShell("cd " + dir.string() + " && GIT_CONFIG_NOSYSTEM=1 GIT_CONFIG_GLOBAL=/dev/null git " + args);
  }
  // A branch from main whose one commit is an edit of the project.
  void Branch(const std::string& name, const std::string& edit) {
    EXPECT_EQ(Git("checkout -q -b " + name + " main").exitCode, 0);
    Connection::Open(db)->Execute(edit);
    EXPECT_EQ(Git("commit -qam " + name).exitCode, 0);
  }

  fs::path dir = TempPath("git");
  std::string db = (dir / "project.db").string();
};

TEST_F(VersionControl, GitMergesDifferentElementsAndStopsAtOnePropertyChangedTwice) {
  if (std::system("git --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "git is not installed";
  TestProject project;
  project.AddModule("Main");
  int32_t home = project.AddDisplay({{"ModuleID", 1}, {"Description", "Home"}});
  Columns rectangle = {
      {"DisplayID", home}, {"Type", 1}, {"Dx", 20}, {"Dy", 20}, {"Binary", R"({"GetTextObject":{"Font":1}})"}};
  for (const char* text : {"Start", "Stop"}) project.AddElement(With(rectangle, {{"Text", text}}));
  project.Db().Execute("VACUUM INTO ?", {Value(db)});
  ASSERT_EQ(RunTool("compile " + db).exitCode, 0);
  for (const std::string setup : {"init -q -b main", "config user.name Tester", "config user.email t@example.com",
                                  "config merge.brisklet.name 'project databases'",
                                  "config merge.brisklet.driver '" BRISKLET_CLI " merge %O %A %B'",
                                  "config diff.brisklet.textconv '" BRISKLET_CLI " textconv'"}) {
    ASSERT_EQ(Git(setup).exitCode, 0) << setup;
  }
  std::ofstream(dir / ".gitattributes") << "*.db diff=brisklet merge=brisklet\n";
  ASSERT_EQ(Git("add -A").exitCode, 0);
  ASSERT_EQ(Git("commit -qm base").exitCode, 0);

  Branch("left",
         "UPDATE HMI_Elements SET Xs = 40 WHERE ID = 1; INSERT INTO HMI_Elements(ID, GUID, DisplayID, Type, "
         "Dx, Dy) VALUES(3, 1003, 1, 1, 20, 20); INSERT INTO DownloadDLUs VALUES(1003, 0)");
  ToolRun diff = Git("diff main left");
  EXPECT_NE(diff.out.find("\n+Xs = 40\n"), std::string::npos) << diff.out;
  EXPECT_NE(diff.out.find("\n+[[element]]\n+ID = 3\n+GUID = 1003\n"), std::string::npos) << diff.out;
  Branch("right", "UPDATE HMI_Elements SET Ys = 50 WHERE ID = 2");
  ToolRun merged = Git("merge -q left");
  ASSERT_EQ(merged.exitCode, 0) << merged.out << merged.err;
  EXPECT_EQ(RunTool("compile " + db).exitCode, 0);
  EXPECT_EQ(Connection::Open(db)
                ->QueryValue("SELECT group_concat(Xs || ',' || Ys || ',' || (GUID IN (SELECT UnitGuid FROM "
                             "DownloadUnits)), ' ') FROM HMI_Elements")
                ->ToString(),
            "40,0,1 0,50,1 0,0,1");                        // both edits, and the other branch's new element compiled
  ToolRun verify = RunTool("status " + db + " --verify");  // the merged rows were compiled again
  EXPECT_EQ(verify.exitCode, 0) << verify.out;
  ASSERT_EQ(Git("commit -qam compiled").exitCode, 0);

  const std::string font = "UPDATE HMI_Elements SET Binary = '{\"GetTextObject\":{\"Font\":";
  Branch("font2", font + "2}}' WHERE ID = 1");
  Branch("font3", font + "3}}' WHERE ID = 1");
  std::string ours = ReadFile(db);
  ToolRun conflict = Git("merge font2");
  EXPECT_NE(conflict.exitCode, 0);
  EXPECT_NE(conflict.err.find(R"(display 1 "Home" / element 1 "Start": property GetTextObject.Font: base 1, ours 3, )"
                              "theirs 2"),
            std::string::npos)
      << conflict.out << conflict.err;
  EXPECT_EQ(ReadFile(db), ours);
}

TEST_F(VersionControl, ATextProjectIsCompiledFromItsFilesAndItsMistakesChangeNothing) {
  TestProject demo(TestProject::EmptyFile{db});
  AddDemoRows(demo);
  const std::string panel = (dir / "panel").string(), home = panel + "/displays/home.toml";
  ASSERT_EQ(RunTool("export " + db + " " + panel).exitCode, 0);
  EXPECT_NE(RunTool("export " + db + " " + panel).out.find("(0 files written)"), std::string::npos);
  EXPECT_EQ(RunTool("textconv " + db).out, RunTool("textconv " + db).out);

  ToolRun first = RunTool("compile " + panel);
  EXPECT_EQ(first.exitCode, 1);
  EXPECT_EQ(first.err.rfind(home + ":157:1: Main / Home / Press", 0), 0u) << first.err;  // findings at their lines
  auto sarif = nlohmann::json::parse(RunTool("compile " + panel + " --rebuild --diagnostics sarif").err);
  const auto& place = sarif["runs"][0]["results"][0]["locations"][0]["physicalLocation"];
  EXPECT_EQ(place["artifactLocation"]["uri"], "file://" + home);
  EXPECT_EQ(place["region"], nlohmann::json::parse(R"({"startLine": 157, "startColumn": 1})"));
  std::string text = ReadFile(home);
  size_t at = text.find("\nXs = ", text.find("\nID = 6\n")) + 6;
  std::ofstream(home, std::ios::trunc) << text.substr(0, at) + "1" + text.substr(at);
  EXPECT_NE(RunTool("status " + panel).out.find("pending: element 6 (GUID 2006) on display 1: edited"),
            std::string::npos);
  EXPECT_EQ(RunTool("compile " + panel).exitCode, 1);

  std::ofstream(home, std::ios::app) << "\n[[element]]\nID = 19\n";
  ToolRun mistake = RunTool("compile " + panel);
  EXPECT_EQ(mistake.exitCode, 2);
  EXPECT_NE(mistake.err.find(home + ":" + std::to_string(std::count(text.begin(), text.end(), '\n') + 2) +
                             ":1: error: duplicate element 19 (first at displays/home.toml:"),
            std::string::npos)
      << mistake.err;
  EXPECT_EQ(RunTool("status " + panel).out.find("pending"), std::string::npos);  // the store as it was
}

}  // namespace
}  // namespace brisklet::test
