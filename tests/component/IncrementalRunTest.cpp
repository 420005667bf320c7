// The compile brisklet runs against two others, after random edits of every table a record
// reads, made with plain SQL as any program would make them (elements inserted, deleted, moved,
// replaced; displays, modules, palettes, jumps, loader functions, fonts and glyphs, pictures,
// the text table, trends, curves, settings, property blobs; now and then a row out of the
// ordinary, or the tracking itself broken: a table rebuilt, an index added or dropped, kept
// findings deleted, the schema version reset). After every compile:
// - the incremental run and the reference run of two copies hold the same units, flags and tab
//   indexes and reported the same messages (with rules and elements) and notices, in order, and
//   failed alike, in the same place; the incremental copy reads element rows and pictures a
//   batch at a time and builds its element records on a second thread, the reference copy
//   reads each element's own on the walk's thread;
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
#include "database/TrackingCheck.h"
#include "support/RandomEdits.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

class IncrementalRun : public ::testing::TestWithParam<uint64_t> {};

TEST_P(IncrementalRun, GivesWhatTheReferenceRunAndACompileFromScratchGiveAfterEveryEdit) {
  uint64_t seed = GetParam();
  TestProject incremental(TestProject::EmptyFile{TempPath("incremental.db")});
  TestProject reference(TestProject::EmptyFile{TempPath("reference.db")});
  for (TestProject* p : {&incremental, &reference}) {
    p->Db().Execute("PRAGMA synchronous = OFF");  // many small commits
    GenerateProject(p->Db(), {3, 12, seed});
  }
  reference.Compiler().SetBuildAhead(false);
  reference.Compiler().SetReadAhead(false);
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
// font files, the font check's index without the GUID) gains them on its first compile and
// gives what a new project gives.
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
  // The font check's index as it was made before it held the GUID: made again with it.
  earlier.Db().Execute("CREATE INDEX HMI_ElementsWithFonts ON HMI_Elements (ID, DisplayID, FontNumber, "
                       "DescriptionFontNumber, Text) WHERE (FontNumber <> 0)");
  earlier.Db().Execute("PRAGMA user_version = 0");
  ASSERT_EQ(ProjectVersionOf(earlier.Db()), 0);
  UpgradeProject(earlier.Db());  // as its compile begins: after it nothing looks damaged, to be repaired
  EXPECT_EQ(TrackingProblems(earlier.Db()), std::vector<std::string>());
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
