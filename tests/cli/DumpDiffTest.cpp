// brisklet dump and diff on project files: the decoded fields as text and JSON, the same text
// on every run with the file left as it was, and the changes between two projects.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support/TestProject.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

std::string FileBytes(const std::string& path) {
  std::stringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

// The lines of a text that contain `part`.
std::string LinesWith(const std::string& text, const std::string& part) {
  std::istringstream in(text);
  std::string out;
  for (std::string line; std::getline(in, line);) {
    if (line.find(part) != std::string::npos) out += line + "\n";
  }
  return out;
}

// A compiled project of one display on a screen 100 pixels wide: a rectangle at (10, 20),
// 30 x 40, pen 2, colour 4.
class DumpDiff : public ::testing::Test {
 protected:
  DumpDiff() : dir(TempPath("dump")) {
    fs::create_directories(dir);
    project.SetSetting("ScreenWidth", 100);
    project.AddModule("Main");
    project.AddDisplay({{"ModuleID", 1}, {"Description", "Setup"}, {"GUID", 300}});
    rectangle = project.AddElement({{"DisplayID", 1},
                                    {"Type", 1},
                                    {"Xs", 10},
                                    {"Ys", 20},
                                    {"Dx", 30},
                                    {"Dy", 40},
                                    {"ColorFore", 4},
                                    {"PenWidth", 2},
                                    {"GUID", 1042}});
    project.Compiler().CompileHMI();
  }
  ~DumpDiff() override { fs::remove_all(dir); }

  std::string Save(const std::string& name) {
    std::string path = (dir / name).string();
    project.Db().Execute("VACUUM INTO '" + path + "'");
    return path;
  }

  fs::path dir;
  TestProject project;
  int32_t rectangle = 0;
};

TEST_F(DumpDiff, DumpShowsEachFieldAndLeavesTheProjectAsItWas) {
  std::string db = Save("project.db");
  std::string before = FileBytes(db);

  ToolRun table = RunTool("dump " + db + " --pagetable");
  EXPECT_EQ(table.exitCode, 0) << table.err;
  EXPECT_EQ(table.out,
            "page table: 4 bytes\n"
            "     0   2  \"PC\" tag                                    \"PC\"\n"
            "     2   2  \"PC\" page 1                                 300 = display 1 (Setup)\n");

  ToolRun element = RunTool("dump " + db + " --element " + std::to_string(rectangle));
  EXPECT_EQ(element.exitCode, 0) << element.err;
  EXPECT_EQ(LinesWith(element.out, "\"RC\""),
            "    90   2  \"RC\" tag                                    \"RC\"\n"
            "    92   1  \"RC\" colour                                 4\n"
            "    93   1  \"RC\" pen width                              2\n"
            "    94   2  \"RC\" top edge width                         30\n"
            "    96   2  \"RC\" top edge height                        0\n"
            "    98   4  \"RC\" top edge position                      2010 = (10, 20)\n"
            "   102   2  \"RC\" right edge width                       0\n"
            "   104   2  \"RC\" right edge height                      40\n"
            "   106   4  \"RC\" right edge position                    2038 = (38, 20)\n"
            "   110   2  \"RC\" bottom edge width                      30\n"
            "   112   2  \"RC\" bottom edge height                     0\n"
            "   114   4  \"RC\" bottom edge position                   5810 = (10, 58)\n"
            "   118   2  \"RC\" left edge width                        0\n"
            "   120   2  \"RC\" left edge height                       40\n"
            "   122   4  \"RC\" left edge position                     2010 = (10, 20)\n");
  EXPECT_EQ(element.out.substr(0, element.out.find('\n')), "element 1 (GUID 1042): 126 bytes");

  ToolRun all = RunTool("dump " + db);
  EXPECT_EQ(all.exitCode, 0) << all.err;
  EXPECT_EQ(RunTool("dump " + db).out, all.out);
  ToolRun json = RunTool("dump " + db + " --json");
  std::istringstream lines(json.out);
  std::vector<std::string> units;
  for (std::string line; std::getline(lines, line);) units.push_back(nlohmann::json::parse(line).at("unit"));
  EXPECT_EQ(units, (std::vector<std::string>{"display 1 (GUID 300)", "element 1 (GUID 1042)"}));
  EXPECT_EQ(FileBytes(db), before);

  EXPECT_EQ(RunTool("dump " + db + " --element 1 --pagetable").exitCode, 2);
}

// A review of the edits made one after the other to the rectangle (GUID 1042) and two more
// (1043, 1044): each diffed against the project before it. The fields that moved and nothing
// else, colours with their RGB, the display's element list matched by the elements it holds,
// an added unit's fields; a project never compiled is a failure.
TEST_F(DumpDiff, EachEditReadsAsItWasMade) {
  struct Case {
    std::string edit;  // SQL
    std::string text;  // the whole output, or (ending "...") its first lines
    std::string json;  // the first line of --json, or "" to skip it
  };
  const std::string pt = "display 1 (GUID 300) \"PT\" element list: ";
  const std::string rc = "element 1 (GUID 1042) ";
  const Case cases[] = {
      {"UPDATE HMI_Elements SET Xs = 12 WHERE GUID = 1042",
       rc + "\"VT\" normal position: (10, 20) -> (12, 20)\n" + rc + "\"VT\" touched position: (10, 20) -> (12, 20)\n" +
           rc + "\"RC\" top edge position: (10, 20) -> (12, 20)\n" + rc +
           "\"RC\" right edge position: (38, 20) -> (40, 20)\n" + rc +
           "\"RC\" bottom edge position: (10, 58) -> (12, 58)\n" + rc +
           "\"RC\" left edge position: (10, 20) -> (12, 20)\n",
       ""},
      {"UPDATE HMI_Elements SET ColorFore = 12 WHERE GUID = 1044",
       "element 3 (GUID 1044) \"VT\" touched fore colour: 4 (#000080) -> 12 (#0000FF)\n"
       "element 3 (GUID 1044) \"RC\" colour: 4 (#000080) -> 12 (#0000FF)\n",
       R"j({"unit":"element 3 (GUID 1044)","change":"changed","fields":[{"name":"\"VT\" touched fore colour",)j"
       R"j("before":4,"before_meaning":"#000080","after":12,"after_meaning":"#0000FF"},{"name":"\"RC\" colour","before":4,)j"
       R"j("before_meaning":"#000080","after":12,"after_meaning":"#0000FF"}],"entries":[]})j"},
      {"DELETE FROM HMI_Elements WHERE GUID = 1043; DELETE FROM DownloadUnits WHERE UnitGuid = 1043",
       pt + "removed element 2 (GUID 1043), was entry 2\n" + "element 2 (GUID 1043): removed, 126 bytes\n",
       R"j({"unit":"display 1 (GUID 300)","change":"changed","fields":[],"entries":[{"list":"\"PT\" element list",)j"
       R"j("change":"removed","was_entry":2,"holds":"element 2 (GUID 1043)"}]})j"},
      {"INSERT INTO HMI_Elements (DisplayID, Type, Xs, Ys, Dx, Dy, ColorFore, PenWidth, GUID) SELECT DisplayID, Type, "
       "Xs, Ys, Dx, Dy, ColorFore, PenWidth, GUID FROM HMI_Elements WHERE GUID = 1042; DELETE FROM HMI_Elements "
       "WHERE ID = 1",
       pt + "moved element 4 (GUID 1042) from entry 1 to entry 2\n", ""},
      {"INSERT INTO HMI_Elements (DisplayID, Type, Dx, Dy, GUID) VALUES (1, 6, 5, 5, 1045);"
       "INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (1045, 0)",
       pt + "added element 5 (GUID 1045) as entry 3\n" + "element 5 (GUID 1045): added, 130 bytes\n" +
           "     0   2  \"VT\" tag                                    \"VT\"\n...",
       ""},
  };
  TestProject never;
  never.Db().Execute("VACUUM INTO '" + (dir / "never.db").string() + "'");
  ToolRun uncompiled = RunTool("diff " + (dir / "never.db").string() + " " + Save("first.db"));
  EXPECT_EQ(uncompiled.exitCode, 2);
  EXPECT_EQ(uncompiled.out + uncompiled.err,
            (dir / "never.db").string() + ": failure: " + (dir / "never.db").string() +
                " has no compiled download: compile it first\n");
  for (int guid : {1043, 1044}) {
    project.AddElement({{"DisplayID", 1}, {"Type", 1}, {"Dx", 30}, {"Dy", 40}, {"ColorFore", 4}, {"GUID", guid}});
  }
  project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled = 0");
  project.Compiler().CompileHMI();
  std::string old = Save("old.db");
  ToolRun same = RunTool("diff " + old + " " + old);
  EXPECT_EQ(same.exitCode, 0) << same.err;
  EXPECT_EQ(same.out, "");

  int step = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edit);
    project.Db().Execute(c.edit);
    project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled = 0");
    project.Compiler().CompileHMI();
    std::string now = Save("step" + std::to_string(++step) + ".db");
    ToolRun diff = RunTool("diff " + old + " " + now);
    EXPECT_EQ(diff.exitCode, 1) << diff.err;
    bool prefix = c.text.ends_with("...");
    std::string expected = prefix ? c.text.substr(0, c.text.size() - 3) : c.text;
    EXPECT_EQ(prefix ? diff.out.substr(0, expected.size()) : diff.out, expected);
    std::string json = c.json.empty() ? "" : RunTool("diff " + old + " " + now + " --json").out;
    EXPECT_EQ(json.substr(0, json.find('\n')), c.json);
    old = now;
  }
}

// A position that reads the same on a wider screen is other bytes: the stored values tell the
// two sides apart.
TEST_F(DumpDiff, TheSameMeaningFromOtherBytesShowsTheStoredValues) {
  std::string narrow = Save("narrow.db");
  project.SetSetting("ScreenWidth", 200);
  project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled = 0");
  project.Compiler().CompileHMI();
  ToolRun diff = RunTool("diff " + narrow + " " + Save("wide.db"));
  EXPECT_NE(diff.out.find("\"VT\" normal position: (10, 20) [2010] -> (10, 20) [4010]\n"), std::string::npos)
      << diff.out;
}

}  // namespace
}  // namespace brisklet::test
