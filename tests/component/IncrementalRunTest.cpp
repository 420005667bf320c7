// The incremental run against the reference run: two copies of one generated project take
// the same random edits between compiles (elements inserted, deleted, moved to another
// display, operands, names, tab indexes, fonts, sizes, GUIDs, displays and modules changed,
// broken blobs, Null texts, now and then a row out of the ordinary); one copy compiles incrementally, the other by
// reference, and after every compile both hold the same units, flags and tab indexes and
// reported the same messages (with their rules and elements) and notices, in the same order, or
// failed with the same error.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "ProjectGenerator.h"
#include "database/Connection.h"
#include "database/ProjectUpgrades.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

// What a compile left behind and said.
std::vector<std::string> Outcome(TestProject& p, const std::string& error) {
  std::vector<std::string> out = p.Texts(
      "SELECT 'unit', UnitGuid, UnitType, Mode, hex(Data) FROM DownloadUnits UNION ALL SELECT 'flag', Guid, "
      "IsCompiled, '', '' FROM DownloadDLUs UNION ALL SELECT 'tab', ID, TabIndex, '', '' FROM HMI_Elements");
  for (const std::string& call : p.Messages().calls) out.push_back("message " + call);
  for (const std::string& finding : p.Messages().findings) out.push_back(finding);
  for (const std::string& notice : p.Notices()) out.push_back("notice " + notice);
  out.push_back("counts " + std::to_string(p.Compiler().ErrorCount()) + " " +
                std::to_string(p.Compiler().WarningCount()) + " " + error);
  return out;
}

std::vector<std::string> Compile(TestProject& p, bool reference) {
  p.Messages().calls.clear();
  p.Messages().findings.clear();
  p.Notices().clear();
  p.Compiler().SetReferenceRun(reference);
  std::string error;
  try {
    p.Compiler().CompileHMI();
  } catch (const std::exception& e) {
    error = e.what();
  }
  return Outcome(p, error);
}

// Random edits of a project, the same statements for each copy.
class Editor {
 public:
  Editor(uint64_t seed, std::vector<TestProject*> copies) : mRandom(seed), mCopies(std::move(copies)) {}

  void RandomEdit() {
    int64_t element = Pick("SELECT ID FROM HMI_Elements");
    int64_t display = Pick("SELECT Id FROM Pages");
    switch (Below(20)) {
      case 0: {  // a copy of an element, on some display
        int64_t id = Max("ID", "HMI_Elements") + 1, guid = Max("Guid", "DownloadDLUs") + 1;
        Run("CREATE TEMP TABLE Copy AS SELECT * FROM HMI_Elements WHERE ID = ?", {element});
        Run("UPDATE temp.Copy SET ID = ?, GUID = ?, DisplayID = ?", {id, guid, display});
        Run("INSERT INTO HMI_Elements SELECT * FROM temp.Copy", {});
        Run("DROP TABLE temp.Copy", {});
        Run("INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (?, 0)", {guid});
        break;
      }
      case 1: Run("DELETE FROM HMI_Elements WHERE ID = ?", {element}); break;
      case 2: Run("UPDATE HMI_Elements SET DisplayID = ? WHERE ID = ?", {display, element}); break;
      case 3:  // touch, hide and switch operands from a few addresses, so that they meet
        Run("UPDATE HMI_Elements SET TouchOprndAddr = ?, VisibleOpAddr = ?, VarOprndAddr = ?, VarOprndType = 1 "
            "WHERE ID = ?",
            {OneOf({-1, 5, 6, 99}), OneOf({-1, 5, 99}), OneOf({-1, 5, 6}), element});
        break;
      case 4:  // names that meet, in other cases too
        Run("UPDATE HMI_Elements SET Text = ? WHERE ID = ?",
            {std::vector<Value>{"Pump", "PUMP", "Valve", "", "Fan"}[Below(5)], element});
        break;
      case 5: Run("UPDATE HMI_Elements SET TabIndex = ? WHERE ID = ?", {OneOf({1, 2, 3, 4, 255}), element}); break;
      case 6:  // a font the project may not have
        Run("UPDATE HMI_Elements SET FontNumber = ?, DescriptionFontNumber = ? WHERE ID = ?",
            {OneOf({0, 1, 2, 77}), OneOf({0, 77}), element});
        break;
      case 7:
        Run("UPDATE HMI_Elements SET Flat3D = ?, Dx = ?, Dy = ? WHERE ID = ?",
            {OneOf({0, 1, 3}), OneOf({5, 8, 60, 250}), OneOf({5, 60, 150}), element});
        break;
      case 8:  // another item's GUID
        Run("UPDATE HMI_Elements SET GUID = ? WHERE ID = ?",
            {Below(2) ? Pick("SELECT GUID FROM HMI_Elements") : Pick("SELECT GUID FROM Pages"), element});
        break;
      case 9:
        Run("UPDATE Pages SET Description = ?, ModuleID = ? WHERE Id = ?",
            {std::vector<Value>{"Main", "Pumps", "main"}[Below(3)], OneOf({1, 2, 3}), display});
        break;
      case 10:
        Run("UPDATE DispModules SET ModuleName = ? WHERE ModuleID = ?", {Below(2) ? "Area" : "Hall", OneOf({1, 2})});
        break;
      case 11:
        Run("UPDATE DownloadDLUs SET IsCompiled = 0 WHERE Guid = ?", {Pick("SELECT Guid FROM DownloadDLUs")});
        break;
      case 12:  // a font row goes or comes back
        if (Below(2)) {
          Run("DELETE FROM tblFonts WHERE FontNumber = ?", {OneOf({1, 2})});
        } else {
          Run("UPDATE tblFonts SET FontNumber = ? WHERE id = ?", {OneOf({1, 2, 3}), Pick("SELECT id FROM tblFonts")});
        }
        break;
      case 13:  // a trend graph of some size
        Run("UPDATE HMI_Elements SET Type = 5, VarType = 23, Dx = ?, Dy = ? WHERE ID = ?",
            {OneOf({150, 250}), OneOf({100, 200}), element});
        break;
      case 14:  // a display row comes or goes
        if (Below(2)) {
          Run("DELETE FROM Pages WHERE Id = ?", {display});
        } else {
          int64_t id = Max("Id", "Pages") + 1, guid = Max("Guid", "DownloadDLUs") + 1;
          Run("INSERT INTO Pages (Id, GUID, ModuleID, Description) VALUES (?, ?, 1, 'New')", {id, guid});
          Run("INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (?, 0)", {guid});
        }
        break;
      case 15:  // a broken property blob, or a text that is Null, which some checks fail on
        Run("UPDATE HMI_Elements SET Binary = ? WHERE ID = ?", {Bytes{0x7B, 0x22}, element});
        break;
      case 16: Run("UPDATE HMI_Elements SET Text = NULL WHERE ID = ?", {element}); break;
      default:  // rarely, a row out of the ordinary, or back to normal
        if (Below(8) == 0) {
          Run("UPDATE HMI_Elements SET DisplayID = ? WHERE ID = ?", {Below(2) ? Value() : Value(0), element});
        } else {  // repaired
          Run("UPDATE HMI_Elements SET DisplayID = ? WHERE DisplayID IS NULL OR DisplayID = 0", {display});
          Run("UPDATE HMI_Elements SET Text = 'Repaired' WHERE Text IS NULL", {});
          Run("UPDATE HMI_Elements SET Binary = (SELECT Binary FROM HMI_Elements AS Other WHERE Other.Type = "
              "HMI_Elements.Type AND Other.VarType = HMI_Elements.VarType AND Other.Binary <> ? LIMIT 1) WHERE "
              "Binary = ?",
              {Bytes{0x7B, 0x22}, Bytes{0x7B, 0x22}});
        }
        break;
    }
  }

 private:
  int64_t Below(int64_t n) { return std::uniform_int_distribution<int64_t>(0, n - 1)(mRandom); }
  int64_t OneOf(std::vector<int64_t> values) { return values[Below(static_cast<int64_t>(values.size()))]; }
  int64_t Pick(const std::string& sql) {
    std::vector<int64_t> values = mCopies[0]->Column(sql);
    return values.empty() ? 0 : values[Below(static_cast<int64_t>(values.size()))];
  }
  int64_t Max(const std::string& column, const std::string& table) {
    return mCopies[0]->Scalar("SELECT COALESCE(MAX(" + column + "), 0) FROM " + table).ToLong();
  }
  void Run(const std::string& sql, const std::vector<Value>& params) {
    for (TestProject* copy : mCopies) copy->Db().Execute(sql, params);
  }
  std::mt19937_64 mRandom;
  std::vector<TestProject*> mCopies;
};

class IncrementalRun : public ::testing::TestWithParam<uint64_t> {};

TEST_P(IncrementalRun, GivesWhatTheReferenceRunGivesAfterEveryEdit) {
  uint64_t seed = GetParam();
  TestProject incremental(TestProject::EmptyFile{TempPath("incremental.db")});
  TestProject reference(TestProject::EmptyFile{TempPath("reference.db")});
  for (TestProject* p : {&incremental, &reference}) {
    p->Db().Execute("PRAGMA synchronous = OFF");  // many small commits
    GenerateProject(p->Db(), {3, 12, seed});
  }
  Editor editor(seed, {&incremental, &reference});
  int incrementalRuns = 0, messages = 0;
  for (int step = 0; step < 40; ++step) {
    // Now and then the incremental copy runs by reference too: the run after it walks everything.
    bool bothByReference = step % 13 == 12;
    ASSERT_EQ(Compile(incremental, bothByReference), Compile(reference, true)) << "seed " << seed << " step " << step;
    incrementalRuns += incremental.Compiler().LastRunIncremental();
    messages += static_cast<int>(incremental.Messages().messages.size());
    for (int64_t edits = 1 + step % 3; edits > 0; --edits) editor.RandomEdit();
  }
  // The comparison means something only if most runs were incremental and found things.
  EXPECT_GE(incrementalRuns, 15);
  EXPECT_GE(messages, 40);
}

INSTANTIATE_TEST_SUITE_P(Seeds, IncrementalRun, ::testing::Range<uint64_t>(1, 13),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

// A run that fails part-way fails the same way incrementally and by reference, and keeps what
// it did before the failure: display 1's tab order (3, 3) renumbered. Display 2's tab indexes
// renumbered past 2^31-1 are "Overflow"; a catalogue without the missing-font message fails
// the font check, which comes after the tab order.
TEST(IncrementalRun, AFailurePartWayLeavesWhatTheReferenceRunLeaves) {
  const struct {
    const char* name;
    int64_t secondDisplayTabs;
    bool without952;
    const char* error;
  } cases[] = {{"TabIndexPast32Bits", 2147483647, false, "Overflow"},
               {"CatalogueWithout952", 1, true, "Message not found"}};
  std::filesystem::path dir = TempPath("catalogue-without-952");
  std::filesystem::create_directories(dir);
  for (const auto& c : cases) {
    std::vector<std::vector<std::string>> outcomes;
    for (bool reference : {false, true}) {
      TestProject p;
      if (c.without952) {
        std::ifstream in(p.Host().Options().dataDir + "/messages.txt");
        std::ofstream out(dir / "messages.txt");
        for (std::string line; std::getline(in, line);) out << (line.rfind("952\t", 0) == 0 ? "" : line + "\n");
        out.close();
        p.UseDataDir(dir.string());
      }
      p.AddModule("Main");
      for (int64_t tab : {int64_t{3}, c.secondDisplayTabs}) {
        int32_t display = p.AddDisplay({{"ModuleID", 1}});
        for (int i = 0; i < 2; ++i) p.AddElement({{"DisplayID", display}, {"TabIndex", tab}});
      }
      outcomes.push_back(Compile(p, reference));
      EXPECT_EQ(p.Column("SELECT TabIndex FROM HMI_Elements ORDER BY ID"),
                (std::vector<int64_t>{3, 4, c.secondDisplayTabs, c.secondDisplayTabs + c.without952}))
          << c.name << (reference ? ", by reference" : ", incrementally");
    }
    EXPECT_NE(outcomes[0].back().find(c.error), std::string::npos) << c.name << ": " << outcomes[0].back();
    EXPECT_EQ(outcomes[0], outcomes[1]) << c.name;
  }
  std::filesystem::remove_all(dir);
}

// A project made before the change tracking (no version, no tracking tables or indexes, no
// font files) gains them on its first compile and gives what a new project gives.
TEST(ProjectUpgrade, AnEarlierProjectGainsTheTrackingAndGivesTheSameResults) {
  TestProject current(TestProject::EmptyFile{TempPath("current.db")});
  TestProject earlier(TestProject::EmptyFile{TempPath("earlier.db")});
  for (TestProject* p : {&current, &earlier}) GenerateProject(p->Db(), {3, 12, 5});
  // The schema of an earlier version: its tables only, version 0.
  for (const std::string& name : earlier.Texts("SELECT type || ' ' || name FROM sqlite_master WHERE (type = 'index' "
                                               "AND sql IS NOT NULL) OR type = 'trigger' OR name LIKE 'Compile%'")) {
    std::string type = name.substr(0, name.find(' ')), what = name.substr(name.find(' ') + 1);
    if (type == "table" || type == "trigger" || type == "index") {
      earlier.Db().Execute("DROP " + type + " IF EXISTS \"" + what + "\"");
    }
  }
  earlier.Db().Execute("ALTER TABLE tblFonts DROP COLUMN FontFile");
  earlier.Db().Execute("PRAGMA user_version = 0");
  ASSERT_EQ(ProjectVersionOf(earlier.Db()), 0);
  EXPECT_EQ(Compile(earlier, false), Compile(current, false));
  EXPECT_EQ(ProjectVersionOf(earlier.Db()), ProjectSchemaVersion());
  EXPECT_EQ(earlier.Texts("SELECT name FROM sqlite_master ORDER BY name"),
            current.Texts("SELECT name FROM sqlite_master ORDER BY name"));
  // And the next edit is tracked.
  for (TestProject* p : {&current, &earlier}) p->Db().Execute("UPDATE HMI_Elements SET TabIndex = 1");
  EXPECT_EQ(Compile(earlier, false), Compile(current, true));
}

}  // namespace
}  // namespace brisklet::test
