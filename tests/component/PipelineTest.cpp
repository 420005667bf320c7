// The compile pipeline's decisions, seen in DownloadUnits and DownloadDLUs: what is stored,
// what stays pending, what the counters hold, what a run-time failure leaves behind, and the
// tab-order normalisation that comes first. They run CompileHMI as marked (the library's
// contract, `brisklet compile --as-marked`); the compile that marks edits itself is tested in
// IncrementalRunTest.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/RuntimeError.h"
#include "support/TestAccess.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

// Display 100 "Setup" of module "Main"; font 1 draws "W" 10 pixels wide, lines of 10.
class Pipeline : public ::testing::Test {
 protected:
  Pipeline() {
    project.AddModule("Main");
    setup = project.AddDisplay({{"ModuleID", 1}, {"Description", "Setup"}, {"GUID", 100}});
    AddTestFont(project, {.number = 1, .advance = 10});
  }
  int32_t Rectangle(const Columns& more = {}) {
    return project.AddElement(With({{"DisplayID", setup}, {"Type", 1}, {"Dx", 20}, {"Dy", 20}}, more));
  }
  int32_t Guid(int32_t id) { return project.GuidOf(id); }
  std::string Warning952() { return project.Host().NewMessageService()->MessageText(952, {}); }

  TestProject project;
  int32_t setup = 0;
};

// HmiElementSize builds the record without storing it or touching the bookkeeping; a run
// stores it and marks it compiled.
TEST_F(Pipeline, ACleanElementIsStoredAndMarkedCompiled) {
  int32_t id = Rectangle();
  EXPECT_EQ(project.Compiler().HmiElementSize(id), 90 + 36);  // header and "RC"
  EXPECT_EQ(project.UnitHex(Guid(id)), "");
  EXPECT_EQ(project.IsCompiled(Guid(id)), 0);
  project.Compiler().CompileHMI();
  EXPECT_EQ(project.UnitHex(Guid(id)), Hex(project.Compiler().ElementRecord(id)));
  EXPECT_EQ(project.IsCompiled(Guid(id)), 1);
  EXPECT_EQ(project.UnitHex(100).substr(0, 5), "50 54");  // the display's "PT" record
  EXPECT_EQ(project.IsCompiled(100), 1);
  EXPECT_TRUE(project.Messages().calls.empty());
}

// The elements of a display of module -1 are skipped: no unit, no update, no message.
TEST_F(Pipeline, ElementsOfModuleMinusOneAreNeverCompiled) {
  int32_t scratch = project.AddDisplay({{"ModuleID", -1}, {"Description", "Scratch"}});
  int32_t id = project.AddElement({{"DisplayID", scratch}, {"Type", 1}, {"PenWidth", 300}});
  project.Compiler().CompileHMI();
  EXPECT_EQ(project.UnitHex(Guid(id)), "");
  EXPECT_EQ(project.IsCompiled(Guid(id)), 0);
  EXPECT_EQ(project.Compiler().HmiElementSize(id), 0);
  project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled=1");
  project.Compiler().CompileHmiElement(id);
  EXPECT_EQ(project.IsCompiled(Guid(id)), 1);
  EXPECT_TRUE(project.Messages().calls.empty());
}

// A warning raised while the element compiles: the record is stored, and the element stays
// pending so that the next run compiles it again.
TEST_F(Pipeline, AWarningInsideTheCompileStoresAndKeepsPending) {
  int32_t id = project.AddElement(
      {{"DisplayID", setup}, {"Type", 4}, {"Text", "WWW"}, {"FontNumber", 1}, {"Dx", 15}, {"Dy", 12}});
  project.Compiler().CompileHMI();
  EXPECT_EQ(project.Messages().Texts(),
            (std::vector<std::string>{"WWW is too small to fit text inside. Please resize it to solve the problem."}));
  EXPECT_EQ(project.Compiler().WarningCount(), 1);
  EXPECT_EQ(project.UnitHex(Guid(id)).substr(0, 5), "56 54");
  EXPECT_EQ(project.IsCompiled(Guid(id)), 0);
}

// The font check runs before the elements compile, so its warnings change no stored record:
// the element is stored and marked compiled. Each of the two font numbers warns.
TEST_F(Pipeline, FontWarningsLeaveTheElementCompiled) {
  int32_t id = Rectangle({{"Text", "Frame"}, {"FontNumber", 7}, {"DescriptionFontNumber", 8}});
  Rectangle({{"Text", "Known"}, {"FontNumber", 1}, {"DescriptionFontNumber", 1}});
  Rectangle({{"Text", "No font"}, {"FontNumber", 0}, {"DescriptionFontNumber", 8}});  // not checked at all
  project.Compiler().CompileHMI();
  std::string text = "Frame: " + Warning952();
  EXPECT_EQ(project.Messages().calls,
            (std::vector<std::string>{"AddCompileMessage(5,0,1,1,1,Main,Setup,0," + text + ")",
                                      "AddOutputMessage(0,1,Main,Setup," + text + ",1,1)",
                                      "AddCompileMessage(5,0,1,1,1,Main,Setup,0," + text + ")",
                                      "AddOutputMessage(0,1,Main,Setup," + text + ",1,1)"}));
  EXPECT_EQ(project.Compiler().WarningCount(), 2);
  EXPECT_EQ(project.Compiler().ErrorCount(), 0);
  EXPECT_NE(project.UnitHex(Guid(id)), "");
  EXPECT_EQ(project.IsCompiled(Guid(id)), 1);
}

// A run-time failure ends CompileHmiElement: nothing new is stored, the earlier unit and the
// bookkeeping stay as they were.
TEST_F(Pipeline, ARunTimeFailureLeavesTheEarlierUnit) {
  int32_t id = Rectangle({{"PenWidth", 2}});
  project.Compiler().CompileHmiElement(id);
  std::string before = project.UnitHex(Guid(id));
  ASSERT_NE(before, "");
  project.Db().Execute("UPDATE HMI_Elements SET PenWidth=300");
  RuntimeError e = ErrorOf([&] { project.Compiler().CompileHmiElement(id); });
  EXPECT_EQ(e.Text(), "Overflow");
  EXPECT_EQ(e.Where(), std::vector<std::string>{"element " + std::to_string(id) + " (GUID " + std::to_string(Guid(id)) +
                                                ") on display " + std::to_string(setup)});
  EXPECT_EQ(project.UnitHex(Guid(id)), before);
  EXPECT_EQ(project.IsCompiled(Guid(id)), 1);
}

TEST_F(Pipeline, OnlyCompileHMIResetsTheCounters) {
  clsDownload& compiler = project.Compiler();
  clsDownloadTestAccess::ReportMessage(compiler, 0, 1, "Setup", "Earlier", setup);
  clsDownloadTestAccess::ReportMessage(compiler, 1, 1, "Setup", "Earlier", setup);
  compiler.CompileHMI();
  EXPECT_EQ(compiler.ErrorCount(), 0);
  EXPECT_EQ(compiler.WarningCount(), 0);

  int32_t id = project.AddElement(
      {{"DisplayID", setup}, {"Type", 4}, {"Text", "WWW"}, {"FontNumber", 1}, {"Dx", 15}, {"Dy", 12}});
  compiler.CompileHmiElement(id);
  compiler.HmiElementSize(id);
  clsDownloadTestAccess::ReportMessage(compiler, 0, 1, "Setup", "Later", setup);
  EXPECT_EQ(compiler.WarningCount(), 2);
  EXPECT_EQ(compiler.ErrorCount(), 1);
}

TEST_F(Pipeline, OnlyPendingItemsWithABookkeepingRowAreCompiled) {
  int32_t done = Rectangle();
  project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled=1");  // the display and `done`
  int32_t unlisted = static_cast<int32_t>(project.Insert("HMI_Elements", {{"GUID", 4321}, {"DisplayID", setup}}));
  int32_t pending = Rectangle();
  project.Compiler().CompileHMI();
  EXPECT_EQ(project.UnitHex(Guid(done)), "");
  EXPECT_EQ(project.UnitHex(Guid(unlisted)), "");
  EXPECT_NE(project.UnitHex(Guid(pending)), "");
  EXPECT_EQ(project.UnitHex(100), "");  // the display was compiled already
  EXPECT_EQ(project.Column("SELECT UnitGuid FROM DownloadUnits"), (std::vector<int64_t>{Guid(pending)}));
}

// A host that counts the message services the compiler creates and the calls begun.
class CountingHost : public DefaultHost {
 public:
  using DefaultHost::DefaultHost;
  std::unique_ptr<MessageService> NewMessageService() override {
    ++created;
    return DefaultHost::NewMessageService();
  }
  void BeginPublicCall() override {
    ++calls;
    DefaultHost::BeginPublicCall();
  }
  int created = 0, calls = 0;
};

// The text of message 952 is fetched once per run, however many elements need it, and also
// when none does; a run is one call, on whichever thread its records are built.
TEST_F(Pipeline, TheFontWarningTextIsFetchedOncePerRun) {
  for (int elements : {0, 3}) {
    TestProject fresh;
    fresh.AddModule("Main");
    int32_t display = fresh.AddDisplay({{"ModuleID", 1}});
    for (int i = 0; i < elements; ++i) fresh.AddElement({{"DisplayID", display}, {"Type", 1}, {"FontNumber", 7}});
    CountingHost host(fresh.Db());
    clsDownload compiler(host);
    host.calls = 0;
    compiler.CompileHMI();
    EXPECT_EQ(host.created, 1) << elements << " elements";
    EXPECT_EQ(host.calls, 1) << elements << " elements";
    EXPECT_EQ(compiler.WarningCount(), elements);
  }
}

struct TabCheck {
  std::vector<int64_t> tabs;
  bool reported;
};

// The check itself, on tab indexes as they stand (a run normalises them first).
TEST_F(Pipeline, DuplicateTabIndexCheck) {
  const TabCheck cases[] = {
      {{1, 2, 2}, true}, {{4, 4, 255, 255}, true}, {{1, 1, 2, 2}, true}, {{1, 2, 3}, false}, {{255, 255, 255}, false},
      {{}, false},       {{7, 255}, false},
  };
  for (const TabCheck& c : cases) {
    TestProject fresh;
    fresh.AddModule("Main");
    fresh.AddDisplay({{"ModuleID", 1}, {"Description", "Other"}});
    int32_t display = fresh.AddDisplay({{"ModuleID", 1}, {"Description", "Setup"}});
    for (int64_t tab : c.tabs) fresh.AddElement({{"DisplayID", display}, {"TabIndex", tab}});
    clsDownloadTestAccess::CheckDuplicateTabIndexes(fresh.Compiler(), display);
    std::vector<std::string> expected;
    if (c.reported) {
      expected = {"AddCompileMessage(5,0,0,1,2,Main,Setup,0,The Display contains duplicated Tab Indexes)",
                  "AddOutputMessage(0,0,Main,Setup,The Display contains duplicated Tab Indexes,1,2)"};
    }
    EXPECT_EQ(fresh.Messages().calls, expected) << ::testing::PrintToString(c.tabs);
    EXPECT_EQ(fresh.Compiler().ErrorCount(), c.reported ? 1 : 0) << ::testing::PrintToString(c.tabs);
  }
}

// A run normalises the tab indexes first, so the renumbered element is compiled in the same
// run and every display's check finds no duplicate left, compiled before or not.
TEST_F(Pipeline, ARunNormalisesTabIndexesBeforeCompilingAndChecking) {
  int32_t first = Rectangle({{"TabIndex", 4}});
  int32_t second = Rectangle({{"TabIndex", 4}});
  project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled=1");
  project.Compiler().CompileHMI();
  EXPECT_EQ(project.Compiler().ErrorCount(), 0);
  EXPECT_EQ(project.Column("SELECT TabIndex FROM HMI_Elements ORDER BY ID"), (std::vector<int64_t>{4, 5}));
  EXPECT_EQ(project.UnitHex(Guid(first)), "");  // not renumbered, so not pending
  std::string unit = project.UnitHex(Guid(second));
  ASSERT_EQ(unit.substr(0, 5), "56 54");   // "VT"
  EXPECT_EQ(unit.substr(5 * 3, 2), "05");  // byte 5: the new tab index
  EXPECT_EQ(project.IsCompiled(Guid(second)), 1);
}

// 255 means "not in the tab order": an element renumbered to it leaves the order, and the run
// says so (past 2^31-1 the renumbering is "Overflow": IncrementalRunTest).
TEST_F(Pipeline, RenumberingToTabIndex255IsReported) {
  for (int i = 0; i < 255; ++i) Rectangle({{"TabIndex", 1}});
  project.Compiler().CompileHMI();
  ASSERT_EQ(project.Notices().size(), 1u);
  EXPECT_NE(project.Notices()[0].find("element 255 on display 1 was renumbered to tab index 255"), std::string::npos)
      << project.Notices()[0];
}

// A project in a file: a run-time failure part-way through CompileHMI ends the run, and
// what was done before it (renumbered tab indexes, units of the earlier elements and their
// bookkeeping) is committed and seen by the next connection.
TEST_F(Pipeline, AFailurePartWayKeepsWhatWasDoneInTheFile) {
  Rectangle({{"ID", 1}, {"GUID", 1001}, {"TabIndex", 3}});
  Rectangle({{"ID", 2}, {"GUID", 1002}, {"TabIndex", 3}});
  Rectangle({{"ID", 3}, {"GUID", 1003}, {"PenWidth", 300}});
  Rectangle({{"ID", 4}, {"GUID", 1004}});
  std::string path = TempPath("pipeline.db");
  std::filesystem::remove(path);
  project.Db().Execute("VACUUM INTO '" + path + "'");
  auto conn = Connection::Open(path);
  DefaultHost host(*conn);
  clsDownload compiler(host);
  RuntimeError e = ErrorOf([&] { compiler.CompileHMI(); });
  EXPECT_EQ(e.Text(), "Overflow");
  EXPECT_EQ(e.Where(), (std::vector<std::string>{"element 3 (GUID 1003) on display 1"}));
  EXPECT_FALSE(conn->InTransaction());
  project.Db().Execute("ATTACH '" + path + "' AS file");  // a second connection to the file
  EXPECT_EQ(project.Column("SELECT TabIndex FROM file.HMI_Elements ORDER BY ID"),
            (std::vector<int64_t>{3, 4, 255, 255}));
  EXPECT_EQ(project.Column("SELECT UnitGuid FROM file.DownloadUnits ORDER BY 1"), (std::vector<int64_t>{1001, 1002}));
  EXPECT_EQ(project.Column("SELECT Guid * 10 + IsCompiled FROM file.DownloadDLUs ORDER BY Guid"),
            (std::vector<int64_t>{1000, 10011, 10021, 10030, 10040}));
  project.Db().Execute("DETACH file");
  std::filesystem::remove(path);
}

struct DisplayTabs {
  std::vector<int64_t> before;  // tab indexes of the display's elements, by element ID
  std::vector<int64_t> after;
  std::vector<int64_t> marked;  // IsCompiled afterwards (all elements start compiled)
};

struct TabCase {
  const char* name;
  std::vector<DisplayTabs> displays;  // displays 1, 2, ... in this order
};

const TabCase kCases[] = {
    {"gaps and a duplicate", {{{3, 7, 7, 9}, {3, 4, 5, 6}, {1, 0, 0, 0}}}},
    {"a run that already has no gaps", {{{2, 3, 4}, {2, 3, 4}, {1, 1, 1}}}},
    {"one element keeps its value", {{{5}, {5}, {1}}}},
    {"a second 5 becomes 6", {{{5, 5}, {5, 6}, {1, 0}}}},
    // Without reading the whole result first, the walk would revisit the rows it moves up
    // the (DisplayID, TabIndex) index and give 6, 25, 26.
    {"three equal indexes", {{{6, 6, 6}, {6, 7, 8}, {1, 0, 0}}}},
    {"255 is neither renumbered nor counted", {{{255, 2, 255, 9, 255}, {255, 2, 255, 3, 255}, {1, 1, 1, 0, 1}}}},
    {"all outside the order", {{{255, 255}, {255, 255}, {1, 1}}}},
    {"each display restarts at its first element",
     {{{3, 7, 7, 9}, {3, 4, 5, 6}, {1, 0, 0, 0}},
      {{10, 10, 255}, {10, 11, 255}, {1, 0, 1}},
      {{1, 2}, {1, 2}, {1, 1}},
      {{8, 1}, {2, 1}, {0, 1}}}},
    {"a first element of 0 keeps it", {{{0, 0, 4}, {0, 1, 2}, {1, 0, 0}}}},
};

TEST(TabOrder, NormalisesEveryDisplay) {
  for (const TabCase& c : kCases) {
    TestProject project;
    ASSERT_EQ(project.Scalar("SELECT sql FROM sqlite_master WHERE name='HMI_ElementsByDisplayTab'").ToString(),
              "CREATE INDEX HMI_ElementsByDisplayTab ON HMI_Elements (DisplayID, TabIndex)")
        << "the walk must be tested over the index it orders by";
    std::vector<std::vector<int32_t>> ids;
    for (const DisplayTabs& d : c.displays) {
      int32_t display = project.AddDisplay({});
      ids.emplace_back();
      for (int64_t tab : d.before)
        ids.back().push_back(project.AddElement({{"DisplayID", display}, {"TabIndex", tab}}));
    }
    project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled=1");
    clsDownloadTestAccess::NormalizeTabOrder(project.Compiler());
    for (size_t i = 0; i < c.displays.size(); ++i) {
      std::vector<int64_t> tabs, marked;
      for (int32_t id : ids[i]) {
        tabs.push_back(project.Scalar("SELECT TabIndex FROM HMI_Elements WHERE ID=" + std::to_string(id)).ToLong());
        marked.push_back(project.IsCompiled(project.GuidOf(id)));
      }
      EXPECT_EQ(tabs, c.displays[i].after) << c.name << ", display " << i + 1;
      EXPECT_EQ(marked, c.displays[i].marked) << c.name << ", display " << i + 1;
    }
    EXPECT_TRUE(project.Messages().calls.empty()) << c.name;
  }
}

// The built-in download store: a unit replaces the earlier unit of its GUID and marks the
// item compiled; a GUID without a bookkeeping row is stored, and gets no row.
TEST(DownloadStore, AUnitReplacesTheEarlierUnitOfItsGuidAndMarksItCompiled) {
  TestProject project;
  auto store = [&](int32_t guid, const Bytes& record, int16_t type) {
    auto unit = project.Host().NewDownloadUnit();
    unit->SetMode(1);
    unit->SetUnitGuid(guid);
    unit->SetData(record, 1);
    unit->SetUnitType(type);
  };
  auto units = [&] { return project.Texts("SELECT UnitGuid, UnitType, Mode, Data FROM DownloadUnits ORDER BY 1"); };
  project.Insert("DownloadDLUs", {{"Guid", 1000}, {"IsCompiled", 0}});
  project.Insert("DownloadDLUs", {{"Guid", 1001}, {"IsCompiled", 0}});
  store(1000, {0x56, 0x54, 0x01}, 8);
  EXPECT_EQ(units(), (std::vector<std::string>{"1000 8 1 56 54 01"}));
  EXPECT_EQ(project.Column("SELECT IsCompiled FROM DownloadDLUs ORDER BY Guid"), (std::vector<int64_t>{1, 0}));
  project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled=0");
  store(1000, {0x50, 0x54}, 3);
  store(1001, {0xff}, 8);
  store(42, {0x01}, 8);
  EXPECT_EQ(units(), (std::vector<std::string>{"42 8 1 01", "1000 3 1 50 54", "1001 8 1 ff"}));
  EXPECT_EQ(project.Column("SELECT Guid * 10 + IsCompiled FROM DownloadDLUs ORDER BY Guid"),
            (std::vector<int64_t>{10001, 10011}));
}

}  // namespace
}  // namespace brisklet::test
