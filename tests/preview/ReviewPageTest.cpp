// brisklet preview on the demo: findings pinned to the elements they name, a preview of one
// display telling only that display's, and the review page of a change (preview --diff).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/CompiledProjects.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

fs::path Made(const fs::path& dir) {
  fs::create_directories(dir);
  return dir;
}

std::string Read(const fs::path& path) {
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

class DemoPreview : public ::testing::Test {
 protected:
  DemoPreview() : dir(Made(TempPath("demo-preview"))), demo(TestProject::EmptyFile{(dir / "old.db").string()}) {
    AddDemoRows(demo);
  }
  ~DemoPreview() override { fs::remove_all(dir); }
  std::string Old() const { return (dir / "old.db").string(); }
  ToolRun Display(int id) {
    return RunTool("preview " + Old() + " --display " + std::to_string(id) + " -o " + (dir / "d.png").string());
  }

  fs::path dir;
  TestProject demo;
};

TEST_F(DemoPreview, FindingsArePinnedByElementAndToldForTheirDisplayOnly) {
  struct Case {
    int display;
    std::string line;       // of the findings on stdout
    std::string elsewhere;  // a finding of another display, not told
    int exitCode;           // 1 for errors of this display only
  };
  const Case cases[] = {
      {7, "2 error element 78: Belt plot is too small.\n", "Flow rate", 1},
      {3, "element 15, 16: 2 Or more Vars have the Same Name: 'Pressure'", "Belt plot", 1},
      {3, "- error: The HMI Display: 'Alarms' has 2 or more elements with the same touch", "'Settings'", 1},
      {1, "1 warning element 19: Press the green button", "Flow rate", 0},
  };
  for (const Case& c : cases) {
    ToolRun run = Display(c.display);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.display;
    EXPECT_NE(run.out.find(c.line), std::string::npos) << run.out;
    EXPECT_EQ(run.err.find(c.elsewhere), std::string::npos) << run.err;
    EXPECT_EQ((run.out + run.err).find("Trends Tree"), std::string::npos);
  }
  ToolRun unknown = Display(99);
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.err, Old() + ": failure: no display 99\n");
  EXPECT_EQ(unknown.out, "");
}

TEST_F(DemoPreview, IndexCountsAndListsEveryFindingWithItsElement) {
  ToolRun run = RunTool("preview " + Old() + " --all -o " + (dir / "all").string());
  std::string index = Read(dir / "all" / "index.html");
  for (const char* part : {"<p>1 error, 1 warning, 3 notices</p>",  // Controls: texts in the default font
                           "error [BRK015] element 78: Belt plot is too small.", "<h2>The project</h2>",
                           "error [BRK008]", "Line speed", "notice: The cell layout element Broken cells"}) {
    EXPECT_NE(index.find(part), std::string::npos) << part << "\n" << index;
  }
  EXPECT_EQ(index.find("http"), std::string::npos);  // nothing from elsewhere
  EXPECT_EQ(index.find("<script"), std::string::npos);
}

TEST_F(DemoPreview, ReviewPageShowsAMovedAndARecolouredElement) {
  fs::copy_file(Old(), dir / "new.db");
  std::string newer = (dir / "new.db").string();
  ToolRun same = RunTool("preview --diff " + Old() + " " + newer + " -o " + (dir / "same").string());
  EXPECT_EQ(same.exitCode, 0) << same.err;
  EXPECT_EQ(same.out, "0 displays changed, drawn into " + (dir / "same").string() + "\n");

  RunShell("sqlite3 " + newer +
           " 'UPDATE HMI_Elements SET Xs=Xs+20 WHERE ID=20; "
           "UPDATE HMI_Elements SET ColorFore=12 WHERE ID=21'");
  fs::path out = dir / "review";
  ToolRun run = RunTool("preview --diff " + Old() + " " + newer + " -o " + out.string());
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_NE(run.out.find("display 5 [1] element 20 (Temperature) "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("display 5 [2] element 21 (Setpoint) "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("colour: "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("(#0000FF)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\n1 displays changed"), std::string::npos) << run.out;
  std::string page = Read(out / "index.html");
  for (const char* part :
       {"<h2>display 5 (Process)</h2>", "<img src=\"display-5-before.png\"", "<img src=\"display-5-after.png\"",
        "[1] element 20 (Temperature)", "[2] element 21 (Setpoint)"}) {
    EXPECT_NE(page.find(part), std::string::npos) << part << "\n" << page;
  }
  EXPECT_TRUE(fs::exists(out / "display-5-before.png") && fs::exists(out / "display-5-after.png"));
  EXPECT_FALSE(fs::exists(out / "display-1-before.png"));
}

}  // namespace
}  // namespace brisklet::test
