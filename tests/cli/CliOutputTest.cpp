// The brisklet tool, run as a separate process on project files: where its output goes and what
// happens when it cannot go there, errors that name their place, locks and shared files.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include "CliFixture.h"
#include "support/CompiledProjects.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

// Where the output and the diagnostics go: a diagnostics file that cannot be opened stops the
// compile before anything is stored; structured diagnostics on stdout have it to themselves; a
// failed write says why.
TEST_F(Cli, OutputAndDiagnosticsGoWhereAsked) {
  Rectangle({{"Text", "Box"}, {"FontNumber", 9}});  // a warning
  const struct {
    std::string args;  // PROJECT stands for the saved project
    int exitCode;
    const char* out;  // "sarif": one document, "json": one object a line
    const char* err;  // a part of stderr
    int64_t units;
  } cases[] = {
      {"compile PROJECT --diagnostics-file /nonexistent/dir/d.txt", 2, "",
       "brisklet: Cannot write the diagnostics ('/nonexistent/dir/d.txt'): No such file or directory\n", 0},
      {"compile PROJECT --diagnostics sarif --diagnostics-file -", 0, "sarif", "compiled: 2 units", 2},
      {"compile PROJECT --diagnostics json --diagnostics-file /dev/stdout", 0, "json", "compiled: 2 units", 2},
      {"preview PROJECT --display 1 -o /nonexistent/dir/x.png", 2, "",
       "Cannot write the preview ('/nonexistent/dir/x.png'): No such file or directory", 0},
  };
  for (const auto& c : cases) {
    std::string path = Save();
    ToolRun run = RunTool(std::regex_replace(c.args, std::regex("PROJECT"), path));
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args << ": " << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << c.args << ": " << run.err;
    EXPECT_EQ(Connection::Open(path)->QueryValue("SELECT COUNT(*) FROM DownloadUnits")->ToLong(), c.units) << c.args;
    for (const std::string& line : *c.out == 'j' ? Lines(run.out) : std::vector<std::string>{run.out}) {
      EXPECT_EQ(nlohmann::json::parse(line, nullptr, false).is_object(), *c.out != 0) << c.args << ": " << line;
    }
  }
  // A reader that has gone away ends every command quietly, the compile's stored units with it.
  std::string path = Save(), err = (dir / "err").string(), rc = (dir / "rc").string();
  for (const std::string args : {"compile PROJECT", "dump PROJECT", "units PROJECT", "element PROJECT 1",
                                 "display PROJECT 1", "pagetable PROJECT", "status PROJECT", "diff PROJECT PROJECT"}) {
    std::string run = "{ sleep 0.2; " + std::string(BRISKLET_CLI) + " " +
                      std::regex_replace(args, std::regex("PROJECT"), path) + " 2>" + err + "; echo $? >" + rc +
                      "; } | true";
    [[maybe_unused]] int status = std::system(run.c_str());  // the exit code is read from rc
    EXPECT_EQ(ReadFile(rc), "0\n") << args << ": " << ReadFile(err);
    EXPECT_EQ(ReadFile(err).find("cannot write"), std::string::npos) << args << ": " << ReadFile(err);
  }
}

// Output that stops early, a full disk or a closed reader never undoes a compile and never
// goes unreported.
TEST_F(Cli, OutputThatFailsNeverUndoesTheCompile) {
  Rectangle({{"Text", "Box"}, {"FontNumber", 9}});  // a warning, so that there is something to print
  std::string path = Save();
  std::string piped = std::string(BRISKLET_CLI) + " compile " + path + " 2>&1 | head -c 1 >/dev/null";
  std::system(piped.c_str());
  auto conn = Connection::Open(path);
  EXPECT_EQ(conn->QueryValue("SELECT COUNT(*) FROM DownloadUnits")->ToLong(), 2);

  std::string err = (dir / "stderr").string();
  int status = std::system((std::string(BRISKLET_CLI) + " units " + path + " >/dev/full 2>" + err).c_str());
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_NE(ReadFile(err).find("cannot write the output"), std::string::npos) << ReadFile(err);
}

// dump writes each unit as it reads it: a failure at a unit leaves the units before it written,
// a reader that goes away mid-way ends it quietly, a full disk is said.
TEST_F(Cli, DumpWritesAsItReads) {
  for (int i = 0; i < 150; ++i) Rectangle();  // more output than a pipe holds
  std::string path = Save(), err = (dir / "err").string(), rc = (dir / "rc").string();
  ASSERT_EQ(RunTool("compile " + path).exitCode, 0);
  std::string run = "{ " + std::string(BRISKLET_CLI) + " dump " + path + " 2>" + err + "; echo $? >" + rc +
                    "; } | head -c 1 >/dev/null";
  [[maybe_unused]] int status = std::system(run.c_str());  // the exit code is read from rc
  EXPECT_EQ(ReadFile(rc), "0\n") << ReadFile(err);
  status = std::system((std::string(BRISKLET_CLI) + " dump " + path + " >/dev/full 2>" + err).c_str());
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_NE(ReadFile(err).find("cannot write the output: No space left on device"), std::string::npos) << ReadFile(err);

  std::string whole = RunTool("dump " + path).out;
  Connection::Open(path)->Execute("INSERT INTO DownloadUnits (UnitGuid, Data) VALUES (5000000000, x'00')");
  ToolRun failed = RunTool("dump " + path);  // the unit no 32-bit GUID holds is read last
  EXPECT_EQ(failed.exitCode, 2);
  EXPECT_TRUE(failed.out == whole) << failed.out.size() << " bytes written of " << whole.size();
  EXPECT_NE(failed.err.find("unit 5000000000 of DownloadUnits"), std::string::npos) << failed.err;
}

// element, display, pagetable and units read a private copy, dump the file in a read
// transaction: the file stays as it was, even where a compile writes (the Null marking colours
// of a display).
TEST_F(Cli, InspectionLeavesTheFileAsItWas) {
  int32_t id = Rectangle();
  project.Db().Execute("UPDATE Pages SET ColorMarkingText=NULL, ColorMarkingGradient=NULL");
  std::string path = Save();
  std::string before = ReadFile(path);
  for (const std::string& args :
       {"element " + path + " " + std::to_string(id), "display " + path + " " + std::to_string(setup),
        "pagetable " + path, "units " + path, "dump " + path}) {
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 0) << args << ": " << run.err;
    EXPECT_EQ(ReadFile(path), before) << args;
  }
}

struct ErrorCase {
  const char* name;
  std::string args;   // after the tool's name; PROJECT stands for the saved project
  const char* error;  // a part of the one line on stderr
};

TEST_F(Cli, ErrorsSayWhatAndWhere) {
  project.Insert("HMI_Elements", {{"ID", 50}, {"DisplayID", 77}, {"GUID", 5050}});
  project.Insert("DownloadUnits", {{"UnitGuid", 9}, {"UnitType", 8}, {"Mode", "x"}});
  project.Insert("DownloadUnits", {{"UnitGuid", 10}, {"UnitType", 1}, {"Data", 5}});
  std::string path = Save();
  const ErrorCase cases[] = {
      {"MissingElement", "element PROJECT 9999", ": failure: no element 9999\n"},
      {"MissingDisplay", "display PROJECT 9999", ": failure: no display 9999\n"},
      {"MinsizeOfAMissingElement", "minsize PROJECT 9999", ": failure: no element 9999\n"},
      {"DumpOfAMissingElement", "dump PROJECT --element 9999", ": failure: no element 9999\n"},
      {"DumpOfAMissingDisplay", "dump PROJECT --display 9999", ": failure: no display 9999\n"},
      {"PreviewOfAMissingDisplay", "preview PROJECT --display 9999 -o x.png", ": failure: no display 9999\n"},
      {"ElementOfAMissingDisplay", "element PROJECT 50", "element 50 is on display 77, which does not exist"},
      {"UnitThatCannotBeRead", "units PROJECT", "in download unit 9"},
      {"InitWithoutAName", "init ''", "no file name given"},
      {"InitOfAUri", "init file:" + (dir / "other.db").string(), "is not a file path"},
      {"InitInMemory", "init :memory:", "is not a file path"},
      {"GenerateOfAUri", "generate file:x.db --displays 1 --elements-per-display 1", "is not a file path"},
      {"UnitDataThatIsANumber", "dump PROJECT", "('Data' is a number, expected a byte array) in unit 10 of"},
      {"FontFromADevice", "font add PROJECT /dev/zero --size 12 --number 1", "/dev/zero: not a regular file"},
      {"GenerateIntoAMissingFolder",
       "generate " + (dir / "no/such/folder/x.db").string() +
           " --displays 1 "
           "--elements-per-display 1",
       "Cannot create project database"},
  };
  for (const ErrorCase& c : cases) {
    std::string args = std::regex_replace(c.args, std::regex("PROJECT"), path);
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 2) << c.name;
    ASSERT_EQ(Lines(run.err).size(), 1u) << c.name << ": " << run.err;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << c.name << ": " << run.err;
  }
  EXPECT_FALSE(fs::exists(dir / "no")) << "generate left something behind";
  EXPECT_FALSE(fs::exists(dir / "other.db"));
}

// A setting out of every panel's range is one error naming it, never a crash or a run that
// takes gigabytes.
TEST_F(Cli, SettingsOutOfRangeNameTheSetting) {
  project.AddElement({{"DisplayID", setup}, {"Type", 4}, {"Dx", 80}, {"Dy", 20}, {"Text", "Speed"}});
  const struct {
    const char* sql;
    const char* command;
    const char* error;
  } cases[] = {
      {"INSERT INTO ProjectSettings VALUES ('ScreenWidth', 32768)", "preview", "ScreenWidth is 32768; a panel is 1 to"},
      {"INSERT INTO ProjectSettings VALUES ('ScreenHeight', 40000)", "preview", "ScreenHeight is 40000"},
      {"INSERT INTO ProjectSettings VALUES ('CodePage', 1.5)", "compile", "CodePage is 1.5, expected a whole number"},
      {"PRAGMA user_version = -2147483648", "compile", "user_version) is -2147483648"},
      {"PRAGMA user_version = -1", "preview", "user_version) is -1"},
      {"PRAGMA user_version = 99", "compile", "user_version) is 99, newer than this Brisklet's"},
  };
  std::string path = Save();
  for (const auto& c : cases) {
    std::string copy = (dir / "setting.db").string();
    fs::copy_file(path, copy, fs::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    sqlite3_open(copy.c_str(), &db);
    ASSERT_EQ(sqlite3_exec(db, c.sql, nullptr, nullptr, nullptr), SQLITE_OK) << c.sql;
    sqlite3_close(db);
    std::string args = std::string(c.command) + " " + copy;
    if (args.starts_with("preview")) args += " --display " + std::to_string(setup) + " -o " + (dir / "x.png").string();
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 2) << c.sql;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << c.sql << ": " << run.err;
  }
}

// A text of 60,000 characters is an error naming its element in every format and in the
// preview, never a crash (its rule once came from matching the message with a regular
// expression, which overflowed the stack).
TEST_F(Cli, AVeryLongTextIsReportedInEveryFormat) {
  int32_t id = project.AddElement(
      {{"DisplayID", setup}, {"Type", 4}, {"Dx", 20}, {"Dy", 20}, {"Text", std::string(60000, 'x')}});
  std::string path = Save();
  for (const std::string& args :
       {"compile " + path + " --diagnostics sarif",
        "dump " + path + " --element " + std::to_string(id) + " --diagnostics sarif",
        "preview " + path + " --display " + std::to_string(setup) + " -o " + (dir / "long.png").string()}) {
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 2) << args << ": " << run.err.substr(0, 300);
    EXPECT_NE((run.out + run.err).find("character count is 60000, expected 0 to 255) in element 1"), std::string::npos)
        << args;
  }
}

// An output path that is the project, by any spelling or link, or a file SQLite keeps beside
// it, is refused before anything is written.
TEST_F(Cli, OutputsNeverOverwriteTheProject) {
  Rectangle();
  std::string path = Save();
  fs::create_symlink(path, dir / "link.db");
  fs::create_hard_link(path, dir / "hard.db");
  std::string before = ReadFile(path);
  std::string again = (dir / "." / "project.db").string();
  for (const std::string& args :
       {std::string("preview PROJECT --display 1 -o PROJECT"), "dump PROJECT --diagnostics-file " + again,
        "compile PROJECT --diagnostics-file " + (dir / "link.db").string(),
        "compile PROJECT --diagnostics-file " + (dir / "hard.db").string(),
        std::string("element PROJECT 1 --diagnostics-file PROJECT-wal"),
        std::string("compile PROJECT --diagnostics-file PROJECT-journal")}) {
    ToolRun run = RunTool(std::regex_replace(args, std::regex("PROJECT"), path));
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_NE(run.err.find("Cannot write the output"), std::string::npos) << args << ": " << run.err;
    EXPECT_EQ(ReadFile(path), before) << args;
    EXPECT_FALSE(fs::exists(path + "-wal") || fs::exists(path + "-journal")) << args;
  }
}

// Two runs of generate to one name: one makes the project, the other says it exists; neither
// leaves a file of its own behind nor touches another program's file.
TEST_F(Cli, GenerateRunsNeverShareAFile) {
  std::string path = (dir / "g.db").string();
  std::ofstream(path + ".partial") << "someone else's\n";
  std::string args = "generate " + path + " --displays 20 --elements-per-display 100";
  ToolRun second;
  std::thread other([&] { second = RunTool(args); });
  ToolRun first = RunTool(args);
  other.join();
  EXPECT_EQ(std::min(first.exitCode, second.exitCode), 0) << first.err << second.err;
  EXPECT_EQ(std::max(first.exitCode, second.exitCode), 2);
  EXPECT_NO_THROW(Connection::Open(path));
  EXPECT_EQ(ReadFile(path + ".partial"), "someone else's\n");
  size_t files = std::distance(fs::directory_iterator(dir), fs::directory_iterator());
  EXPECT_EQ(files, 2u) << "a run left a file behind";
}

// A compile that finds the project locked says that it waits, and gives up after the time
// asked for with an error that says so.
TEST_F(Cli, ALockedProjectIsReportedAsLocked) {
  Rectangle();
  std::string path = Save();
  sqlite3* other = nullptr;
  sqlite3_open(path.c_str(), &other);
  sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
  ToolRun run = RunTool("compile " + path + " --busy-timeout 2");
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("waiting for another program"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("is locked"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("Not a project database"), std::string::npos) << run.err;
}

// A compile takes the write lock when it starts, so another program's write in progress makes
// it wait (as --busy-timeout says) rather than fail half-way.
TEST_F(Cli, ACompileWaitsForAWriterWithinTheTimeout) {
  Rectangle();
  std::string path = Save();
  sqlite3* other = nullptr;
  sqlite3_open(path.c_str(), &other);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; UPDATE Pages SET Description='Edited'", nullptr, nullptr, nullptr),
            SQLITE_OK);
  std::thread writer([other] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  });
  ToolRun run = RunTool("compile " + path + " --busy-timeout 30");
  writer.join();
  sqlite3_close(other);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  ToolRun font = RunTool("font add " + path + " /dev/null --size 12 --number 1 --busy-timeout 1");
  EXPECT_EQ(font.err.find("busy-timeout"), std::string::npos) << font.err;
}

// After an edit made with plain SQL: the default compile takes it in, --as-marked compiles only
// what DownloadDLUs marks (nothing here), --rebuild compiles every item.
TEST_F(Cli, CompileModesAfterAnEditMadeWithPlainSql) {
  int32_t box = Rectangle({{"Text", "Box"}});
  Rectangle({{"Text", "Other"}});
  std::string path = Save();
  ASSERT_EQ(RunTool("compile " + path).exitCode, 0);
  struct Mode {
    const char* option;
    const char* stored;
    bool edited;  // whether the stored units follow the edit
  };
  for (const Mode& m : {Mode{"", "2 units stored", true}, Mode{" --as-marked", "0 units stored", false},
                        Mode{" --rebuild", "3 units stored", true}}) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    std::string edit = "UPDATE HMI_Elements SET Xs = Xs + 7 WHERE ID = " + std::to_string(box);
    sqlite3_exec(db, edit.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    std::string unitsBefore = RunTool("units " + path).out;
    ToolRun run = RunTool("compile " + path + m.option);
    EXPECT_EQ(run.exitCode, 0) << m.option << run.err;
    EXPECT_NE(run.out.find(m.stored), std::string::npos) << m.option << ": " << run.out;
    EXPECT_EQ(RunTool("units " + path).out != unitsBefore, m.edited) << m.option;
  }
}

}  // namespace

}  // namespace brisklet::test
