// The brisklet tool, run as a separate process on project files: exit codes, the one-line
// errors on files that are not projects, the diagnostics and the hex output.
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

#include "support/CompiledProjects.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

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
    for (const std::string command :
         {"compile", "element", "display", "pagetable", "units", "dump", "diff", "status", "merge"}) {
      std::string args = command + " " + path + (command == "element" || command == "display" ? " 1" : "") +
                         (command == "diff" ? " " + path : "") + (command == "merge" ? " " + path + " " + path : "");
      ToolRun run = RunTool(args);
      EXPECT_EQ(run.exitCode, 2) << args;
      EXPECT_EQ(run.out, "") << args;
      ASSERT_EQ(Lines(run.err).size(), 1u) << args << ": " << run.err;
      EXPECT_TRUE(run.err.starts_with(path + ": failure: ") || run.err.starts_with("brisklet: ")) << args << run.err;
    }
  }
}

struct Outcome {
  const char* name;
  Columns element;      // the columns of a rectangle on display "Setup" of module "Main"
  const char* options;  // after "compile PROJECT"
  int exitCode;
  const char* diagnostic;  // the first line on stderr after "PROJECT: ", "" for none
  const char* summary;     // the last line, "" for none
};

TEST_F(Cli, ExitCodeFollowsWhatTheCompileCounted) {
  const Columns warning = {{"Text", "Box"}, {"FontNumber", 9}}, error = {{"Text", "Box"}, {"Flat3D", 1}, {"Dx", 8}};
  // clang-format off
  const Outcome cases[] = {
      {"clean", {{"Text", "Box"}}, "", 0, "", ""},
      {"a warning only", warning, "", 0, "Main / Setup / Box [1]: warning[BRK010]: Box: ", "0 errors, 1 warning"},
      {"a warning, quiet", warning, " --quiet", 0, "", "0 errors, 1 warning"},
      {"a warning with --werror", warning, " --werror", 1, "Main / Setup / Box [1]: warning[BRK010]: ", "0 errors, 1 warning"},
      {"a design error", error, " --quiet", 1, "Main / Setup / Box [1]: error[BRK002]: The Element: 'Box' is too small for 3D",
       "1 error, 0 warnings"},
      {"in colour", error, " --color always", 1, "\033[0m \033[1mMain / Setup / Box [1]:\033[0m \033[1;31merror[BRK002]:", "1 error, 0 warnings"},
      {"a run-time failure", {{"Text", "Box"}, {"PenWidth", 300}}, "", 2, "failure: Overflow", ""},
  };
  // clang-format on
  for (const Outcome& c : cases) {
    project.Db().Execute("DELETE FROM HMI_Elements");
    project.Db().Execute("DELETE FROM DownloadDLUs WHERE Guid NOT IN (SELECT GUID FROM Pages)");
    Rectangle(c.element);
    std::string path = Save();
    ToolRun run = RunTool("compile " + path + c.options);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err;
    auto lines = Lines(run.err);
    size_t expected = (*c.diagnostic ? 1 : 0) + (*c.summary ? 1 : 0);
    ASSERT_EQ(lines.size(), expected) << c.name << ": " << run.err;
    if (*c.diagnostic) {
      std::string rest = lines[0].substr(lines[0].find(path + ":") + path.size() + 1);  // colour, or a blank
      EXPECT_LE(rest.find(c.diagnostic), 1u) << c.name << ": " << lines[0];
    }
    if (*c.summary) {
      EXPECT_EQ(lines.back(), c.summary) << c.name;
    }
    EXPECT_EQ(run.out.empty(), c.exitCode == 2) << c.name << ": " << run.out;
    if (c.exitCode == 0) {  // a one-line summary
      EXPECT_EQ(Lines(run.out).size(), 1u) << run.out;
      for (const char* part : {"2 units stored", "0 errors", *c.summary ? "1 warning" : "0 warnings"}) {
        EXPECT_NE(run.out.find(part), std::string::npos) << c.name << ": " << run.out;
      }
    }
  }
}

// Each output (its JSON lines, or one document) against docs/NAME.schema.json, schemas that
// refer to each other resolved among docs/; skipped when python3-jsonschema is missing.
namespace {
struct JsonOutput {
  const char* schema;
  std::string text;
  bool lines;
};
void ExpectMatchesSchemas(const fs::path& dir, const std::vector<JsonOutput>& outputs) {
  if (std::system("python3 -c 'import jsonschema' 2>/dev/null") != 0) {
    std::cout << "python3-jsonschema is not installed: the JSON outputs are not validated\n";
    return;
  }
  const fs::path docs = fs::path(BRISKLET_DEMO_DIR).parent_path().parent_path() / "docs";
  for (const JsonOutput& o : outputs) {
    nlohmann::json all = nlohmann::json::array();
    for (const std::string& line : o.lines ? Lines(o.text) : std::vector{o.text}) {
      all.push_back(nlohmann::json::parse(line));
    }
    EXPECT_FALSE(all.empty()) << o.schema;
    std::ofstream(dir / "output.json") << all.dump();
    std::string validate =
        "python3 -c 'import glob, json, sys, jsonschema, referencing as r; d = sys.argv[1]; "
        "g = [r.Resource.from_contents(json.load(open(f))) for f in glob.glob(d + \"/*.schema.json\")] @ r.Registry(); "
        "v = jsonschema.Draft202012Validator(json.load(open(d + \"/\" + sys.argv[2] + \".schema.json\")), registry=g); "
        "[v.validate(x) for x in json.load(open(sys.argv[3]))]' " +
        docs.string() + " " + o.schema + " " + (dir / "output.json").string();
    EXPECT_EQ(std::system(validate.c_str()), 0) << o.schema << ": " << o.text.substr(0, 2000);
  }
}
}  // namespace

// The demo, with two elements of one name and one of a long name, in the three formats: each
// finding names the project, its rule (never BRK000) and its element by ID. The text is
// tests/cli/demo-diagnostics.txt (its project path DEMO), a long name is shortened and never
// the message; the JSON lines, and dump, status (after an edit) and diff (across a compile) as
// JSON, match their schemas in docs/; SARIF rules have their descriptions and help, results the
// project file and fully qualified logical locations.
TEST_F(Cli, TheDemosDiagnosticsInEveryFormat) {
  const fs::path source = fs::path(BRISKLET_DEMO_DIR).parent_path().parent_path();
  std::string path = (dir / "demo.db").string();
  TestProject demo(TestProject::EmptyFile{path});
  AddDemoRows(demo);
  for (const std::string& name : {std::string("Twin"), std::string("Twin"), std::string(60, 'L')}) {
    demo.AddElement({{"DisplayID", 1}, {"Type", 1}, {"Text", name}, {"Flat3D", 1}, {"Dx", 8}, {"Dy", 20}});
  }
  std::map<std::string, ToolRun> runs;
  for (const char* format : {"text", "json", "sarif"}) {
    runs[format] = RunTool("compile " + path + " --rebuild --diagnostics " + format);
    EXPECT_EQ(runs[format].exitCode, 1) << format << ": " << runs[format].err.substr(0, 300);
  }
  std::string text = std::regex_replace(runs["text"].err, std::regex(path), "DEMO");
  if (std::getenv("BRISKLET_UPDATE_GOLDEN")) std::ofstream(source / "tests/cli/demo-diagnostics.txt") << text;
  EXPECT_EQ(text, ReadFile(source / "tests/cli/demo-diagnostics.txt"));
  EXPECT_NE(text.find("DEMO: Main / Home / " + std::string(37, 'L') + "... ["), std::string::npos) << text;
  EXPECT_EQ(text.find("BRK000"), std::string::npos);

  std::set<int> twins;  // the IDs of the elements named "Twin", from each format
  std::vector<nlohmann::json> lines;
  for (const std::string& line : Lines(runs["json"].err)) {
    lines.push_back(nlohmann::json::parse(line));
    const auto element = lines.back().value("element", nlohmann::json::object());
    if (element.value("name", "") == "Twin") twins.insert(element["id"].get<int>());
  }
  const std::string before = (dir / "before.db").string();
  fs::copy_file(path, before);
  std::string dump = RunTool("dump " + path + " --json").out;
  demo.AddElement({{"DisplayID", 1}, {"Type", 1}, {"Text", "Edit"}, {"Dx", 60}, {"Dy", 20}});
  std::string status = RunTool("status " + path + " --json").out;
  RunTool("compile " + path);
  const fs::path panel = dir / "panel";  // the demo as a text project: findings with their file and line
  RunTool("export " + path + " " + panel.string());
  std::string located = RunTool("compile " + panel.string() + " --diagnostics json").err;
  EXPECT_NE(located.find("\"file\":\"" + (panel / "displays/home.toml").string() + "\",\"line\":"), std::string::npos);
  ExpectMatchesSchemas(dir, {{"diagnostics", runs["json"].err, true},
                             {"diagnostics", located, true},
                             {"dump", dump, true},
                             {"status", status, false},
                             {"diff", RunTool("diff " + before + " " + path + " --json").out, true}});

  nlohmann::json run = nlohmann::json::parse(runs["sarif"].err)["runs"][0];
  for (const auto& rule : run["tool"]["driver"]["rules"]) {
    for (const char* key : {"shortDescription", "fullDescription", "help"}) EXPECT_NE(rule[key]["text"], "") << rule;
    std::string id = rule["id"];
    EXPECT_EQ(rule["helpUri"], "docs/diagnostics.md#brk" + id.substr(3));
  }
  for (const auto& result : run["results"]) {
    EXPECT_NE(result["ruleId"], "BRK000") << result;
    const auto& location = result["locations"][0];
    EXPECT_EQ(location["physicalLocation"]["artifactLocation"]["uri"], "file://" + path);
    for (const auto& place : location.value("logicalLocations", nlohmann::json::array())) {
      std::string name = place["fullyQualifiedName"];
      EXPECT_FALSE(name.starts_with("/")) << place;
      std::smatch twin;
      if (std::regex_match(name, twin, std::regex("Main/Home/Twin\\[(\\d+)\\]"))) twins.insert(std::stoi(twin[1]));
    }
  }
  EXPECT_EQ(twins.size(), 2u) << "the twins told apart";
  std::regex twinLine("DEMO: Main / Home / Twin \\[(\\d+)\\]: error\\[BRK002\\]");
  for (std::sregex_iterator m(text.begin(), text.end(), twinLine), end; m != end; ++m) {
    EXPECT_TRUE(twins.contains(std::stoi((*m)[1]))) << m->str();
  }
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

// `brisklet help COMMAND` is `brisklet COMMAND --help`, whose usage line names the tool, not its path.
TEST_F(Cli, EveryCommandHasHelp) {
  for (std::string command :
       {"", "init", "compile", "element", "minsize", "display", "pagetable", "units", "status", "font add"}) {
    ToolRun run = RunTool(command + " --help");
    EXPECT_EQ(run.exitCode, 0) << command << ": " << run.err;
    EXPECT_NE(run.out.find("Usage: brisklet " + command), std::string::npos) << command << ": " << run.out;
    EXPECT_EQ(RunTool("help " + command).out, run.out) << command;
  }
}

// A typo is answered with the nearest command or option, and exit code 2.
TEST_F(Cli, TyposAreAnsweredWithTheNearestWord) {
  const std::pair<const char*, const char*> cases[] = {
      {"complie x.db", "unknown command 'complie'; did you mean 'compile'?"},
      {"--verison", "unknown option '--verison'; did you mean '--version'?"},
      {"compile x.db --diagnostic json", "unknown option '--diagnostic'; did you mean '--diagnostics'?"},
      {"font ad x.db", "unknown command 'ad'; did you mean 'add'?"},
      {"help dupm", "unknown command 'dupm'; did you mean 'dump'?"},
      {"frobnicate", "unknown command 'frobnicate' (see brisklet --help)"},
  };
  for (const auto& [args, error] : cases) {
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_EQ(run.err, "brisklet: " + std::string(error) + "\n") << args;
  }
  EXPECT_NE(RunTool("--version").out.find(", Cairo 1."), std::string::npos);
  EXPECT_NE(RunTool("completion").out.find("\"compile --diagnostics\") words=\"text json sarif\""), std::string::npos);
}

// minsize measures a timer, clock or entry field in the element's own font and frame style
// (font 1: 6 pixels per character, 10 per line), as its compile does.
TEST_F(Cli, MinsizePrintsTheSmallestFrameOfTimersClocksAndEntryFields) {
  AddTestFont(project, {.number = 1});
  Columns value = {{"DisplayID", setup}, {"Type", 5}, {"FontNumber", 1}, {"Dx", 60}, {"Dy", 20}};
  Columns timer = value, clock = value;
  timer.push_back({"VarType", 7});
  timer.push_back({"Binary", R"({"GetTextObject": {"GetText": "MM:SS", "GetFont": 9}})"});
  clock.push_back({"VarType", 5});
  clock.push_back({"Flat3D", 1});
  clock.push_back({"Binary", R"({"GetTextObject": {"GetText": "hh:mm:ss AM"}})"});
  int32_t timerId = project.AddElement(timer), clockId = project.AddElement(clock);
  Columns entry = value;
  entry.push_back({"VarType", 6});
  entry.push_back({"Binary", R"({"EntryMode": 5, "TextSource": {"GetFont": 9, "GetFrameStyle": 1}})"});
  int32_t entryId = project.AddElement(entry);
  int32_t box = Rectangle();
  std::string path = Save();

  ToolRun t = RunTool("minsize " + path + " " + std::to_string(timerId));
  EXPECT_EQ(t.exitCode, 0) << t.err;
  EXPECT_EQ(t.out, "minimum 30 x 10 for \"99:99\"; the element's frame 60 x 20 holds it\n");
  ToolRun c = RunTool("minsize " + path + " " + std::to_string(clockId));
  EXPECT_EQ(c.exitCode, 1) << c.err;
  EXPECT_EQ(c.out, "minimum 74 x 18 for \"99:99:00 AM\"; the element's frame 60 x 20 is too small\n");
  ToolRun e = RunTool("minsize " + path + " " + std::to_string(entryId));
  EXPECT_EQ(e.exitCode, 0) << e.err;
  EXPECT_EQ(e.out, "minimum 24 x 10 for \"9999\"; the element's frame 60 x 20 holds it\n");

  ToolRun run = RunTool("minsize " + path + " " + std::to_string(box));
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
  EXPECT_EQ(run.err.rfind(path + ": failure: No size service", 0), 0u) << run.err;
}

// The demo compiled by the tool: an edit with SQL is pending; an in-place blob write, which no
// trigger sees, is found by --verify alone until a rebuild. The record of "Broken cells" shows
// the notice its compile kept.
TEST_F(Cli, StatusTellsWhatTheNextCompileDoesAndVerifyWhatItCannotSee) {
  std::string path = (dir / "demo.db").string(), copy = (dir / "edited.db").string();
  TestProject demo(TestProject::EmptyFile{path});
  AddDemoRows(demo);
  ASSERT_EQ(RunTool("compile " + path).exitCode, 1);
  auto sql = [](sqlite3* db) { sqlite3_exec(db, "UPDATE HMI_Elements SET Xs = Xs + 1 WHERE ID = 6", 0, 0, 0); };
  auto blob = [](sqlite3* db) {  // the last digit of the first operand of element 20, 200 -> 209
    sqlite3_stmt* at = nullptr;
    sqlite3_prepare_v2(db, "SELECT instr(Binary, '\"GetOperand1Addr\":200') + 20 FROM HMI_Elements WHERE ID = 20", -1,
                       &at, nullptr);
    sqlite3_step(at);
    int offset = sqlite3_column_int(at, 0) - 1;
    sqlite3_finalize(at);
    sqlite3_blob* b = nullptr;
    sqlite3_blob_open(db, "main", "HMI_Elements", "Binary", 20, 1, &b);
    sqlite3_blob_write(b, "9", 1, offset);
    sqlite3_blob_close(b);
  };
  const struct {
    std::function<void(sqlite3*)> edit;
    const char *line, *fix;
  } cases[] = {{sql, "pending: element 6 (GUID 2006) on display 1: edited\n", "compile "},
               {blob, "stale: element 20 (GUID 2020): differs\n", "compile --rebuild "}};
  for (const auto& c : cases) {
    fs::copy_file(path, copy, fs::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    sqlite3_open(copy.c_str(), &db);
    c.edit(db);
    sqlite3_close(db);
    ToolRun stale = RunTool("status --verify " + copy);
    EXPECT_EQ(stale.exitCode, 1) << c.line << stale.err;
    EXPECT_NE(stale.out.find(c.line), std::string::npos) << stale.out;
    RunTool(c.fix + copy);
    ToolRun exact = RunTool("status --verify --json " + copy);
    EXPECT_EQ(exact.exitCode, 0) << c.line << exact.out;
    EXPECT_EQ(nlohmann::json::parse(exact.out)["verify"]["stale"], nlohmann::json::array()) << exact.out;
  }
  ToolRun dump = RunTool("dump " + path);
  std::string record = dump.out.substr(dump.out.find("element 80 (GUID 2080)"));
  EXPECT_NE(record.substr(0, record.find("\n\n")).find("\n  made with a notice: The cell layout element Broken cells"),
            std::string::npos)
      << record.substr(0, 400);
}

}  // namespace
}  // namespace brisklet::test

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
