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

#include "CliFixture.h"
#include "support/CompiledProjects.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

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
