// The brisklet tool, run as a separate process on project files: exit codes, the one-line
// errors on files that are not projects, the diagnostics and the hex output.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "support/TestProject.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::stringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

class Cli : public ::testing::Test {
 protected:
  Cli() : dir(TempPath("cli")) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    project.AddModule("Main");
    setup = project.AddDisplay({{"ModuleID", 1}, {"Description", "Setup"}});
  }
  ~Cli() override { fs::remove_all(dir); }

  // The project built so far, as a file.
  std::string Save() {
    std::string path = (dir / "project.db").string();
    fs::remove(path);
    project.Db().Execute("VACUUM INTO '" + path + "'");
    return path;
  }
  // A 20 x 20 rectangle on "Setup", with the given columns put in.
  int32_t Rectangle(const Columns& given = {}) {
    return project.AddElement(With({{"DisplayID", setup}, {"Type", 1}, {"Dx", 20}, {"Dy", 20}}, given));
  }

  fs::path dir;
  TestProject project;
  int32_t setup = 0;
};

TEST_F(Cli, InitCreatesAProjectAndRefusesAnExistingFile) {
  std::string path = (dir / "new.db").string();
  ToolRun first = RunTool("init " + path);
  EXPECT_EQ(first.exitCode, 0) << first.err;
  EXPECT_NO_THROW(Connection::Open(path));
  std::string before = ReadFile(path);

  ToolRun second = RunTool("init " + path);
  EXPECT_EQ(second.exitCode, 2);
  EXPECT_EQ(Lines(second.err).size(), 1u) << second.err;
  EXPECT_EQ(ReadFile(path), before);

  std::ofstream(dir / "notes.txt") << "not a database\n";
  ToolRun text = RunTool("init " + (dir / "notes.txt").string());
  EXPECT_EQ(text.exitCode, 2);
  EXPECT_EQ(ReadFile(dir / "notes.txt"), "not a database\n");
}

// Whatever the command, a file that is not a project database is one line on stderr and
// exit code 2, never a crash.
TEST_F(Cli, FilesThatAreNotProjectsAreOneLineErrors) {
  std::ofstream(dir / "text.db") << "SQLite format 2? no, just text\n";
  std::ofstream(dir / "empty.db");
  fs::create_directory(dir / "folder.db");
  auto database = [&](const char* file, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open((dir / file).c_str(), &db);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
  };
  database("other.db", "CREATE TABLE Customers(Id INTEGER PRIMARY KEY, Name TEXT)");
  database("partial.db",
           "CREATE TABLE Pages(Id INTEGER PRIMARY KEY); CREATE TABLE HMI_Elements(ID INTEGER PRIMARY KEY)");
  for (const char* file : {"missing.db", "text.db", "empty.db", "folder.db", "other.db", "partial.db"}) {
    std::string path = (dir / file).string();
    for (const std::string command : {"compile", "element", "display", "pagetable", "units"}) {
      std::string args = command + " " + path + (command == "element" || command == "display" ? " 1" : "");
      ToolRun run = RunTool(args);
      EXPECT_EQ(run.exitCode, 2) << args;
      EXPECT_EQ(run.out, "") << args;
      ASSERT_EQ(Lines(run.err).size(), 1u) << args << ": " << run.err;
      EXPECT_EQ(run.err.rfind("brisklet: ", 0), 0u) << args << ": " << run.err;
    }
  }
}

struct Outcome {
  const char* name;
  Columns element;  // the columns of a rectangle on display "Setup" of module "Main"
  int exitCode;
  const char* diagnostic;  // the line on stderr, "" for none
};

TEST_F(Cli, ExitCodeFollowsWhatTheCompileCounted) {
  // clang-format off
  const Outcome cases[] = {
      {"clean", {{"Text", "Box"}}, 0, ""},
      {"a warning only", {{"Text", "Box"}, {"FontNumber", 9}}, 0, "warning: Main / Setup: Box: "},
      {"a design error", {{"Text", "Box"}, {"Flat3D", 1}, {"Dx", 8}}, 1,
       "error: Main / Setup: The Element: 'Box' is too small for 3D"},
      {"a run-time failure", {{"Text", "Box"}, {"PenWidth", 300}}, 2, "brisklet: Overflow"},
  };
  // clang-format on
  for (const Outcome& c : cases) {
    project.Db().Execute("DELETE FROM HMI_Elements");
    project.Db().Execute("DELETE FROM DownloadDLUs WHERE Guid NOT IN (SELECT GUID FROM Pages)");
    Rectangle(c.element);
    ToolRun run = RunTool("compile " + Save());
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err;
    auto lines = Lines(run.err);
    if (*c.diagnostic) {
      ASSERT_EQ(lines.size(), 1u) << c.name << ": " << run.err;
      EXPECT_EQ(lines[0].rfind(c.diagnostic, 0), 0u) << c.name << ": " << lines[0];
    } else {
      EXPECT_TRUE(lines.empty()) << c.name << ": " << run.err;
    }
    EXPECT_EQ(run.out.empty(), c.exitCode == 2) << c.name << ": " << run.out;
    if (c.exitCode == 0) {  // a one-line summary
      EXPECT_EQ(Lines(run.out).size(), 1u) << run.out;
      for (const char* part : {"2 units stored", "0 errors", *c.diagnostic ? "1 warning" : "0 warnings"}) {
        EXPECT_NE(run.out.find(part), std::string::npos) << c.name << ": " << run.out;
      }
    }
  }
}

TEST_F(Cli, JsonDiagnosticsAreOneObjectPerLine) {
  Rectangle({{"Text", "Box"}, {"Flat3D", 1}, {"Dx", 8}});
  Rectangle({{"Text", "Say \"hi\""}, {"FontNumber", 9}});
  ToolRun run = RunTool("compile " + Save() + " --diagnostics=json");
  EXPECT_EQ(run.exitCode, 1);
  auto lines = Lines(run.err);
  ASSERT_EQ(lines.size(), 2u) << run.err;
  std::vector<nlohmann::json> parsed;
  for (const std::string& line : lines) {
    nlohmann::json j = nlohmann::json::parse(line, nullptr, false);
    ASSERT_TRUE(j.is_object()) << line;
    EXPECT_EQ(j.size(), 6u) << line;
    for (const char* key : {"display_id", "location", "message", "module", "module_id", "severity"}) {
      EXPECT_TRUE(j.contains(key)) << key << " in " << line;
    }
    parsed.push_back(j);
  }
  std::sort(parsed.begin(), parsed.end(), [](const auto& a, const auto& b) { return a["severity"] < b["severity"]; });
  EXPECT_EQ(parsed[0]["severity"], "error");
  EXPECT_EQ(parsed[0]["message"], "The Element: 'Box' is too small for 3D");
  EXPECT_EQ(parsed[0]["module"], "Main");
  EXPECT_EQ(parsed[0]["module_id"], 1);
  EXPECT_EQ(parsed[0]["location"], "Setup");
  EXPECT_EQ(parsed[0]["display_id"], setup);
  EXPECT_EQ(parsed[1]["severity"], "warning");
  EXPECT_EQ(parsed[1]["message"].get<std::string>().rfind("Say \"hi\": ", 0), 0u) << parsed[1];
}

// The element command prints the record as lowercase hex pairs with single blanks, on one
// line, and stores nothing.
TEST_F(Cli, ElementPrintsItsRecordAsHexAndStoresNothing) {
  int32_t id = Rectangle({{"ColorFore", 0xAB}});
  std::string path = Save();
  ToolRun run = RunTool("element " + path + " " + std::to_string(id));
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(std::regex_match(run.out, std::regex("[0-9a-f]{2}( [0-9a-f]{2})*\n"))) << run.out;
  EXPECT_EQ(run.out, Hex(project.Compiler().ElementRecord(id)) + "\n");
  EXPECT_NE(run.out.find("ab"), std::string::npos);

  auto conn = Connection::Open(path);
  Recordset units(*conn, "SELECT COUNT(*) AS n FROM DownloadUnits", kForwardOnly, kReadOnly);
  EXPECT_EQ(units.Long("n"), 0);
  Recordset pending(*conn, "SELECT COUNT(*) AS n FROM DownloadDLUs WHERE IsCompiled=0", kForwardOnly, kReadOnly);
  EXPECT_EQ(pending.Long("n"), 2);  // the display and the element
}

TEST_F(Cli, EveryCommandHasHelp) {
  for (const char* command : {"", "init", "compile", "element", "display", "pagetable", "units"}) {
    ToolRun run = RunTool(std::string(command) + " --help");
    EXPECT_EQ(run.exitCode, 0) << command << ": " << run.err;
    EXPECT_NE(run.out.find("Usage"), std::string::npos) << command << ": " << run.out;
  }
}

}  // namespace
}  // namespace brisklet::test
