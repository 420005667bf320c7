// The compile brisklet runs against two others, after random edits of every table a record
// reads, made with plain SQL as any program would make them (elements inserted, deleted, moved,
// replaced; displays, modules, palettes, jumps, loader functions, fonts and glyphs, pictures,
// the text table, trends, curves, settings, property blobs; now and then a row out of the
// ordinary, or the tracking itself broken: a table rebuilt, an index added or dropped, kept
// findings deleted, the schema version reset). After every compile:
// - the incremental run and the reference run of two copies hold the same units, flags and tab
//   indexes and reported the same messages (with rules and elements) and notices, in order;
// - the store holds byte for byte what a compile of a copy with every item pending and an empty
//   store gives, with the same bookkeeping, and the same findings in the same order.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>

#include "ProjectGenerator.h"
#include "database/Connection.h"
#include "database/ProjectUpgrades.h"
#include "lint/KeptLint.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// What a compile left behind and said; notices about the store itself (what was removed, why
// everything compiles again) are left out, as a compile from scratch has nothing to say of them.
std::vector<std::string> Outcome(TestProject& p, const std::string& error) {
  std::vector<std::string> out = p.Texts(
      "SELECT 'unit', UnitGuid, UnitType, Mode, hex(Data) FROM DownloadUnits UNION ALL SELECT 'flag', Guid, "
      "IsCompiled, '', '' FROM DownloadDLUs UNION ALL SELECT 'tab', ID, TabIndex, '', '' FROM HMI_Elements");
  for (const std::string& call : p.Messages().calls) out.push_back("message " + call);
  for (const std::string& finding : p.Messages().findings) out.push_back(finding);
  for (const std::string& notice : p.Notices()) {
    if (!StartsWith(notice, "every item is compiled again") && !StartsWith(notice, "removed ")) {
      out.push_back("notice " + notice);
    }
  }
  out.push_back("counts " + std::to_string(p.Compiler().ErrorCount()) + " " +
                std::to_string(p.Compiler().WarningCount()) + " " + error);
  return out;
}

std::vector<std::string> Compile(TestProject& p, bool reference, std::string* failure = nullptr) {
  p.Messages().calls.clear();
  p.Messages().findings.clear();
  p.Notices().clear();
  p.Compiler().SetReferenceRun(reference);
  std::string error;
  try {
    p.CompileAsHost();
  } catch (const std::exception& e) {
    error = e.what();
  }
  if (failure) *failure = error;
  return Outcome(p, error);
}

// The lines only one outcome has (the first few), or where their order differs.
std::string Differences(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  std::multiset<std::string> onlyA(a.begin(), a.end()), onlyB(b.begin(), b.end());
  for (const std::string& line : b) {
    if (auto it = onlyA.find(line); it != onlyA.end()) onlyA.erase(it);
  }
  for (const std::string& line : a) {
    if (auto it = onlyB.find(line); it != onlyB.end()) onlyB.erase(it);
  }
  std::string text;
  int shown = 0;
  for (const std::string& line : onlyA)
    if (shown++ < 8) text += "\n- " + line.substr(0, 200);
  shown = 0;
  for (const std::string& line : onlyB)
    if (shown++ < 8) text += "\n+ " + line.substr(0, 200);
  return text.empty() ? "\nthe same lines in another order" : text;
}

// What a compile of every item of a copy of the project, with nothing stored, gives.
std::vector<std::string> CompileFromScratch(TestProject& p) {
  TestProject scratch(TestProject::CopyOf{p, TempPath("scratch.db")});
  scratch.Db().Execute("DELETE FROM DownloadUnits");
  scratch.Db().Execute("UPDATE DownloadDLUs SET IsCompiled = 0");
  scratch.Db().Execute("DELETE FROM CompileItemFindings");
  return Compile(scratch, true);
}

// Random edits of a project, the same statements for each copy.
class Editor {
 public:
  Editor(uint64_t seed, std::vector<TestProject*> copies) : mRandom(seed), mCopies(std::move(copies)) {}

  // Rows that make every compile fail part-way made ordinary again (after a failed run the next
  // one that completes must restore what a compile from scratch gives).
  void Repair(int64_t display = 0) {
    if (display == 0) display = Pick("SELECT Id FROM Pages");
    Run("UPDATE HMI_Elements SET DisplayID = ? WHERE DisplayID IS NULL OR DisplayID = 0", {display});
    Run("UPDATE HMI_Elements SET Text = 'Repaired' WHERE Text IS NULL", {});
    Run("UPDATE HMI_Elements SET DisplayID = ? WHERE DisplayID NOT IN (SELECT Id FROM Pages)", {display});
    Run("UPDATE HMI_Elements SET Binary = (SELECT Binary FROM HMI_Elements AS Other WHERE Other.Type = "
        "HMI_Elements.Type AND Other.VarType = HMI_Elements.VarType AND Other.Binary <> ? LIMIT 1) WHERE "
        "Binary = ?",
        {Bytes{0x7B, 0x22}, Bytes{0x7B, 0x22}});
    Run("INSERT OR IGNORE INTO tblFonts (id, FontNumber, LineHeight) VALUES (1, 1, 12)", {});
  }

  // False when the project must be compiled before it can take another edit.
  bool RandomEdit() {
    int64_t element = Pick("SELECT ID FROM HMI_Elements");
    int64_t display = Pick("SELECT Id FROM Pages");
    switch (Below(44)) {
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
      case 13:  // a trend graph of some size, on trend 1 or 2 of the trends tree
        Run("UPDATE HMI_Elements SET Type = 5, VarType = 23, Dx = ?, Dy = ?, Binary = ? WHERE ID = ?",
            {OneOf({150, 250}), OneOf({100, 200}),
             Below(2) ? R"({"GetTrendNumber": 1, "GetPointSpacing": 2})"
                      : R"({"GetTrendNumber": 2, "GetPointSpacing": 3})",
             element});
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
      case 17:  // a glyph of a font
        Run("UPDATE tblFontGlyphs SET Advance = Advance + ? WHERE Code = ? AND FontNumber = (SELECT FontNumber FROM "
            "tblFonts ORDER BY id LIMIT 1)",
            {OneOf({1, 3}), OneOf({0x41, 0x45, 0x50, 0x61, 0x65, 0x20})});
        break;
      case 18:  // the order of the fonts
        Run("UPDATE tblFonts SET id = (SELECT max(id) FROM tblFonts) + 1 WHERE id = (SELECT min(id) FROM tblFonts)",
            {});
        break;
      case 19:  // a picture's pixels, or the picture gone
        if (Below(3)) {
          Run("UPDATE ProjectImages SET Data8bpp = (SELECT Data8bpp FROM ProjectImages AS o WHERE o.ImageID = ?) "
              "WHERE ImageID = ?",
              {Pick("SELECT ImageID FROM ProjectImages"), Pick("SELECT ImageID FROM ProjectImages")});
        } else {
          Run("DELETE FROM ProjectImages WHERE ImageID = ?", {Pick("SELECT ImageID FROM ProjectImages")});
        }
        break;
      case 20:  // which picture an element or a display shows
        if (Below(2)) {
          Run("UPDATE ElementsAndImages SET Image_CRC = ? WHERE rowid = ?",
              {Pick("SELECT CRC FROM ProjectImages"), Pick("SELECT rowid FROM ElementsAndImages")});
        } else {
          Run("INSERT OR REPLACE INTO PagesAndImages (Page_ID, Image_CRC, TransparencyLevel) VALUES (?, ?, ?)",
              {display, Pick("SELECT CRC FROM ProjectImages"), OneOf({0, 1})});
        }
        break;
      case 21:  // the text table
        if (Below(2)) {
          Run("INSERT INTO ProjectTexts (TextIndex, Text) VALUES ((SELECT COALESCE(MAX(TextIndex), 0) + 1 FROM "
              "ProjectTexts), 'Another text')",
              {});
        } else {
          Run("UPDATE ProjectTexts SET Text = 'Changed text' WHERE ID = ?", {Pick("SELECT ID FROM ProjectTexts")});
        }
        break;
      case 22:  // a palette's GUID, a loader function's GUID
        if (Below(2)) {
          Run("UPDATE HMI_Palettes SET GUID = GUID + 1 WHERE ID = ?", {Pick("SELECT ID FROM HMI_Palettes")});
        } else {
          Run("UPDATE LdrFunctions SET Guid = Guid + 7 WHERE FuncID = ?", {Pick("SELECT FuncID FROM LdrFunctions")});
        }
        break;
      case 23:  // a jump: its target or operand
        Run("UPDATE HMIJumps SET DispOpAddress = ?, JumpOpAddress = ? WHERE ID = ?",
            {display, OneOf({3, 40}), Pick("SELECT ID FROM HMIJumps")});
        break;
      case 24:  // the trends tree
        if (Below(2)) {
          Run("UPDATE Curves SET MaxValue = MaxValue + 10 WHERE CurveID = ?", {Pick("SELECT CurveID FROM Curves")});
        } else {
          Run("UPDATE Trends SET HistoryPoints = ? WHERE TrendID = ?",
              {OneOf({50, 100000}), Pick("SELECT TrendID FROM Trends")});
        }
        break;
      case 25:  // the screen width or the code page
        if (Below(2)) {
          Run("INSERT OR REPLACE INTO ProjectSettings (Name, Value) VALUES ('ScreenWidth', ?)", {OneOf({320, 480})});
        } else {
          Run("INSERT OR REPLACE INTO ProjectSettings (Name, Value) VALUES ('CodePage', ?)", {OneOf({1252, 1251})});
        }
        break;
      case 26:  // only the property blob, from another element of the kind
        Run("UPDATE HMI_Elements SET Binary = COALESCE((SELECT Binary FROM HMI_Elements AS o WHERE o.Type = "
            "HMI_Elements.Type AND o.VarType = HMI_Elements.VarType AND o.ID <> HMI_Elements.ID AND o.Binary IS NOT "
            "NULL "
            "ORDER BY o.ID LIMIT 1 OFFSET ?), Binary) WHERE ID = ?",
            {Below(3), element});
        break;
      case 27: {  // an element moved by INSERT OR REPLACE, which fires no delete trigger
        Run("CREATE TEMP TABLE Copy AS SELECT * FROM HMI_Elements WHERE ID = ?", {element});
        Run("UPDATE temp.Copy SET DisplayID = ?, Xs = Xs + 3", {display});
        Run("INSERT OR REPLACE INTO HMI_Elements SELECT * FROM temp.Copy", {});
        Run("DROP TABLE temp.Copy", {});
        break;
      }
      case 28:  // another element's ID taken by UPDATE OR REPLACE, which removes that element silently
        Run("UPDATE OR REPLACE HMI_Elements SET ID = ? WHERE ID = ?", {Pick("SELECT ID FROM HMI_Elements"), element});
        break;
      case 29:  // a display's row rebuilt the way the rename form of a table rebuild does it
        RebuildTable(Below(2) ? "Pages" : "HMI_Elements");
        break;
      case 30:  // an index of the user's, or one of ours dropped
        if (Below(2)) {
          Run("CREATE INDEX IF NOT EXISTS UsersOrder ON HMI_Elements (DisplayID, ORDERINDEX DESC, ID DESC)", {});
        } else {
          Run("DROP INDEX IF EXISTS HMI_ElementsByDisplayTab", {});
        }
        break;
      case 31:  // the tracking's own tables edited by another program
        switch (Below(4)) {
          case 0: Run("DELETE FROM CompileFindings", {}); break;
          case 1: Run("DELETE FROM CompileItemFindings", {}); break;
          case 2:  // edits fail until the next compile makes the table again
            Run("DROP TABLE CompileState", {});
            return false;
          default: Run("PRAGMA user_version = 0", {}); break;
        }
        break;
      case 32:  // an item's bookkeeping row gone, or back
        if (Below(2)) {
          Run("DELETE FROM DownloadDLUs WHERE Guid = ?", {Pick("SELECT Guid FROM DownloadDLUs")});
        } else {
          Run("INSERT OR IGNORE INTO DownloadDLUs (Guid, IsCompiled) SELECT GUID, 0 FROM HMI_Elements WHERE GUID IS "
              "NOT "
              "NULL UNION SELECT GUID, 0 FROM Pages",
              {});
        }
        break;
      case 33:  // a module comes or goes
        if (Below(2)) {
          Run("DELETE FROM DispModules WHERE ModuleID = ?", {OneOf({1, 2, 3})});
        } else {
          Run("INSERT OR REPLACE INTO DispModules (ModuleID, ModuleName) VALUES (?, 'Again')", {OneOf({1, 2, 3})});
        }
        break;
      case 34:  // a display of module -1, whose elements are never compiled
        Run("UPDATE Pages SET ModuleID = ? WHERE Id = ?", {OneOf({-1, 1}), display});
        break;
      case 35:  // the drawing order of an element
        Run("UPDATE HMI_Elements SET ORDERINDEX = ?, Type = ? WHERE ID = ? AND Type <> 5",
            {OneOf({0, 1, 5}), OneOf({1, 8, 12}), element});
        break;
      default:  // rarely, a row out of the ordinary, or back to normal
        if (Below(8) == 0) {
          Run("UPDATE HMI_Elements SET DisplayID = ? WHERE ID = ?", {Below(2) ? Value() : Value(0), element});
        } else {
          Repair(display);
        }
        break;
    }
    return true;
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
  // The rename form of a table rebuild: the old table renamed away, a new one made as it was,
  // the rows copied, the old table dropped (its triggers and indexes go with it).
  void RebuildTable(const std::string& table) {
    for (TestProject* copy : mCopies) {
      std::string sql =
          copy->Scalar("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = '" + table + "'").ToString();
      copy->Db().Execute("ALTER TABLE " + table + " RENAME TO " + table + "_old");
      copy->Db().Execute(sql);
      copy->Db().Execute("INSERT INTO " + table + " SELECT * FROM " + table + "_old");
      copy->Db().Execute("DROP TABLE " + table + "_old");
      // Other programs' edits keep working.
      copy->Db().Execute("UPDATE DispModules SET ModuleName = ModuleName");
    }
  }
  void Run(const std::string& sql, const std::vector<Value>& params) {
    mLog.push_back(sql);
    for (TestProject* copy : mCopies) copy->Db().Execute(sql, params);
  }
  std::mt19937_64 mRandom;
  std::vector<TestProject*> mCopies;

 public:
  std::vector<std::string> mLog;  // the statements run, for a failure to show the last ones
  std::string LastEdits() const {
    std::string text = "\nlast edits:";
    for (size_t i = mLog.size() > 4 ? mLog.size() - 4 : 0; i < mLog.size(); ++i) text += "\n  " + mLog[i];
    return text;
  }
};

class IncrementalRun : public ::testing::TestWithParam<uint64_t> {};

TEST_P(IncrementalRun, GivesWhatTheReferenceRunAndACompileFromScratchGiveAfterEveryEdit) {
  uint64_t seed = GetParam();
  TestProject incremental(TestProject::EmptyFile{TempPath("incremental.db")});
  TestProject reference(TestProject::EmptyFile{TempPath("reference.db")});
  for (TestProject* p : {&incremental, &reference}) {
    p->Db().Execute("PRAGMA synchronous = OFF");  // many small commits
    GenerateProject(p->Db(), {3, 12, seed});
  }
  Editor editor(seed, {&incremental, &reference});
  int incrementalRuns = 0, messages = 0, failedRuns = 0;
  for (int step = 0; step < 40; ++step) {
    // Now and then the incremental copy runs by reference too: the run after it walks everything.
    bool bothByReference = step % 13 == 12;
    std::string failure;
    std::vector<std::string> outcome = Compile(incremental, bothByReference, &failure);
    std::vector<std::string> byReference = Compile(reference, true);
    ASSERT_TRUE(outcome == byReference) << "seed " << seed << " step " << step << Differences(outcome, byReference)
                                        << editor.LastEdits();
    // A run that fails part-way keeps what was stored; a compile from scratch fails the same way.
    std::vector<std::string> fromScratch = CompileFromScratch(incremental);
    if (!failure.empty()) {
      ASSERT_EQ(outcome.back(), fromScratch.back()) << "seed " << seed << " step " << step << editor.LastEdits();
      ++failedRuns;

    } else {
      ASSERT_TRUE(outcome == fromScratch)
          << "seed " << seed << " step " << step << Differences(outcome, fromScratch) << editor.LastEdits();
    }
    incrementalRuns += incremental.Compiler().LastRunIncremental();
    messages += static_cast<int>(incremental.Messages().messages.size());
    if (!failure.empty()) editor.Repair();
    for (int64_t edits = 1 + step % 3; edits > 0 && editor.RandomEdit(); --edits) {
    }
  }
  // The comparison means something only if most runs were incremental and found things.
  EXPECT_GE(incrementalRuns, 15);
  EXPECT_GE(messages, 40);
  EXPECT_LE(failedRuns, 20);
}

INSTANTIATE_TEST_SUITE_P(Seeds, IncrementalRun, ::testing::Range<uint64_t>(1, 13),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

// Our own checks with their kept findings against a whole run, after the same random edits, with
// a compile (whose own writes are edits too) after every few, and rules turned off and on again.
std::vector<std::string> Lines(const LintReport& report) {
  std::vector<std::string> lines = report.notices;
  for (const LintFinding& f : report.findings) {
    lines.push_back(std::to_string(f.rule) + " " + SeverityName(f.severity) + " " + std::to_string(f.moduleId) + " " +
                    f.moduleName + " " + std::to_string(f.displayId) + " " + f.displayName + " " +
                    std::to_string(f.element.id) + " " + std::to_string(f.element.guid) + " " + f.element.name + ": " +
                    f.message);
  }
  return lines;
}

class KeptLintRun : public ::testing::TestWithParam<std::tuple<uint64_t, GeneratorMix>> {};

TEST_P(KeptLintRun, ReportsWhatAWholeRunReportsAfterEveryEdit) {
  auto [seed, mix] = GetParam();
  TestProject p(TestProject::EmptyFile{TempPath("kept-lint.db")});
  p.Db().Execute("PRAGMA synchronous = OFF");
  GenerateProject(p.Db(), {4, 20, seed, mix});
  Editor editor(seed, {&p});
  std::mt19937_64 random(seed);
  size_t findings = 0, keptRuns = 0;
  for (int step = 0; step < 60; ++step) {
    LintConfig config;
    if (step % 7 == 3) config.severities[100 + step % 8] = LintSeverity::Off;
    LintContext context = ContextOf(p.Db(), p.Host());
    keptRuns += p.Scalar("SELECT count(*) FROM CompileLintKept").ToLong() > 0;
    std::vector<std::string> kept = Lines(RunKeptLint(context, config)), whole = Lines(RunLint(context, config));
    ASSERT_TRUE(kept == whole) << "seed " << seed << " step " << step << Differences(kept, whole) << editor.LastEdits();
    findings += whole.size();
    if (step % 4 == 3) Compile(p, false);
    // Elements moved on and off the screen and onto each other, besides the edits of every table.
    p.Db().Execute(
        "UPDATE HMI_Elements SET Xs = ?, Ys = ? WHERE ID = (SELECT ID FROM HMI_Elements ORDER BY ID LIMIT 1 "
        "OFFSET ?)",
        {Value(static_cast<int64_t>(random() % 400) - 40), Value(static_cast<int64_t>(random() % 300) - 30),
         Value(static_cast<int64_t>(random() % 40))});
    if (!editor.RandomEdit()) Compile(p, false);
  }
  EXPECT_GE(findings, 200u);
  EXPECT_GE(keptRuns, 30u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, KeptLintRun,
                         ::testing::Combine(::testing::Range<uint64_t>(1, 7),
                                            ::testing::Values(GeneratorMix::Classic, GeneratorMix::EveryKind)));

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
  for (const char* drop : {"tblFonts DROP COLUMN FontFile", "ProjectImages DROP COLUMN Width"}) {
    earlier.Db().Execute(std::string("ALTER TABLE ") + drop);
  }
  earlier.Db().Execute("PRAGMA user_version = 0");
  ASSERT_EQ(ProjectVersionOf(earlier.Db()), 0);
  EXPECT_EQ(Compile(earlier, false), Compile(current, false));
  EXPECT_EQ(ProjectVersionOf(earlier.Db()), ProjectSchemaVersion());
  EXPECT_EQ(earlier.Texts("SELECT name FROM sqlite_master ORDER BY name"),
            current.Texts("SELECT name FROM sqlite_master ORDER BY name"));
  // And the next edits are tracked.
  for (TestProject* p : {&current, &earlier}) {
    p->Db().Execute("UPDATE HMI_Elements SET TabIndex = 1");
    p->Db().Execute("UPDATE HMI_Elements SET DisplayID = 2, Xs = Xs + 1 WHERE ID = 3");
  }
  EXPECT_EQ(Compile(earlier, false), Compile(current, true));
  EXPECT_EQ(Compile(earlier, false), CompileFromScratch(earlier));
}

// The stored download between compiles: what a second compile does, what deleted items leave,
// and a host that keeps the bookkeeping itself.
class StoredDownload : public ::testing::Test {
 protected:
  StoredDownload() : project(TestProject::EmptyFile{TempPath("stored.db")}) {
    GenerateProject(project.Db(), {3, 12, 7});
  }
  // The elements a compile compiles (the pending elements at its start, as its progress says).
  int64_t ElementsCompiled(const std::function<void()>& compile) {
    int64_t first = -1;
    project.Compiler().SetProgress([&](int64_t, int64_t total) {
      if (first < 0) first = total;
    });
    compile();
    project.Compiler().SetProgress(nullptr);
    return first < 0 ? 0 : first;
  }
  TestProject project;
};

TEST_F(StoredDownload, ASecondCompileCompilesOnlyWhatStaysPendingAndReportsTheSameFindings) {
  std::vector<std::string> first = Compile(project, false);
  int64_t pending =
      project
          .Scalar(
              "SELECT count(*) FROM DownloadDLUs JOIN HMI_Elements ON HMI_Elements.GUID = DownloadDLUs.Guid WHERE "
              "IsCompiled = 0")
          .ToLong();
  std::vector<std::string> second;
  EXPECT_EQ(ElementsCompiled([&] { second = Compile(project, false); }), pending);
  EXPECT_EQ(second, first);
  EXPECT_GT(project.Messages().messages.size(), 0u);
}

TEST_F(StoredDownload, ADeletedElementOrDisplayLeavesTheDownloadAndIsSaidOnce) {
  Compile(project, false);
  int32_t element = project.GuidOf(5);
  int32_t display = static_cast<int32_t>(project.Scalar("SELECT GUID FROM Pages WHERE Id = 3").ToLong());
  project.Db().Execute("DELETE FROM HMI_Elements WHERE ID = 5");
  project.Db().Execute("DELETE FROM Pages WHERE Id = 3");
  project.Db().Execute("UPDATE HMI_Elements SET DisplayID = 1 WHERE DisplayID = 3");
  std::vector<std::string> outcome = Compile(project, false);
  for (int32_t guid : {element, display}) {
    EXPECT_EQ(project.UnitHex(guid), "") << guid;
    EXPECT_TRUE(project.Column("SELECT Guid FROM DownloadDLUs WHERE Guid = " + std::to_string(guid)).empty());
  }
  std::vector<std::string> removed;
  for (const std::string& n : project.Notices())
    if (StartsWith(n, "removed")) removed.push_back(n);
  EXPECT_EQ(removed, std::vector<std::string>{"removed 2 units of deleted items (GUIDs " +
                                              std::to_string(std::min(element, display)) + ", " +
                                              std::to_string(std::max(element, display)) + ")"});
  EXPECT_EQ(outcome, CompileFromScratch(project));
  Compile(project, false);
  EXPECT_TRUE(std::none_of(project.Notices().begin(), project.Notices().end(),
                           [](const std::string& n) { return StartsWith(n, "removed"); }));
}

// A host with its own editor registers new items and marks what it edits itself, and compiles
// exactly what it marked; the database's own marks only ever set rows that exist to "not
// compiled", so a later compile of brisklet's finds nothing to disagree with.
TEST_F(StoredDownload, AHostThatKeepsTheBookkeepingItselfSeesNoConflict) {
  project.Compiler().CompileHMI();  // as marked
  int32_t guid = 99001;
  project.Db().Execute(
      "INSERT INTO HMI_Elements (ID, GUID, DisplayID, Type, Xs, Ys, Dx, Dy) SELECT max(ID) + 1, ?, 1, "
      "1, 5, 5, 20, 20 FROM HMI_Elements",
      {Value(guid)});
  project.Db().Execute("INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (?, 0)", {Value(guid)});
  project.Db().Execute("UPDATE HMI_Elements SET Xs = Xs + 2 WHERE ID = 4");
  project.Db().Execute(
      "UPDATE DownloadDLUs SET IsCompiled = 0 WHERE Guid = ? OR Guid = (SELECT GUID FROM Pages "
      "WHERE Id = 1) OR Guid = (SELECT GUID FROM Pages WHERE Id = (SELECT DisplayID FROM HMI_Elements "
      "WHERE ID = 4))",
      {Value(project.GuidOf(4))});
  project.Compiler().CompileHMI();
  EXPECT_NE(project.UnitHex(guid), "");
  EXPECT_EQ(
      project.Scalar("SELECT count(*) FROM DownloadDLUs").ToLong(),
      project.Scalar("SELECT count(*) FROM (SELECT GUID FROM HMI_Elements UNION SELECT GUID FROM Pages)").ToLong());
  // What the host stored is what brisklet's compile stores.
  std::vector<std::string> units = project.Texts("SELECT UnitGuid, hex(Data) FROM DownloadUnits ORDER BY 1");
  Compile(project, false);
  EXPECT_EQ(project.Texts("SELECT UnitGuid, hex(Data) FROM DownloadUnits ORDER BY 1"), units);
}

}  // namespace
}  // namespace brisklet::test
