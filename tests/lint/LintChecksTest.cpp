// Our own checks, one row per rule and case in the order the checks run: a tiny project and the
// findings it must give (all of them, so a check that also finds what it should not fails).
#include <gtest/gtest.h>

#include <functional>

#include "lint/LintRun.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

// "BRK102 display 1: text", "BRK101 element 3: text" or "BRK100 brisklet.toml:4: text".
std::string Line(const LintFinding& f) {
  std::string where = f.element.id != 0  ? "element " + std::to_string(f.element.id)
                      : f.displayId != 0 ? "display " + std::to_string(f.displayId)
                                         : f.file + ":" + std::to_string(f.line);
  return RuleId(f.rule) + " " + where + ": " + f.message;
}

std::vector<std::string> Lines(const LintFindings& findings) {
  std::vector<std::string> lines;
  for (const LintFinding& f : findings) lines.push_back(Line(f));
  return lines;
}

// A project of module 1 with display 1 "Home", which each case fills in.
struct Home {
  TestProject project;
  Home() {
    project.AddModule("Main");
    project.AddDisplay({{"ModuleID", 1}, {"Description", "Home"}});
  }
  int32_t Element(Columns columns) { return project.AddElement(With({{"DisplayID", 1}, {"Text", "Box"}}, columns)); }
};

struct LintCase {
  const char* name;
  std::function<void(Home&)> build;
  std::vector<std::string> expected;
};

const LintCase kCases[] = {
    {"a clean project finds nothing",
     [](Home& h) {
       h.Element({{"Type", 1}, {"Dx", 10}, {"Dy", 10}});
     },
     {}},
    // BRK101
    {"boxes off the screen: wrapped to another row, or past an edge",
     [](Home& h) {
       h.Element({{"Type", 1}, {"Xs", -50}, {"Ys", 10}, {"Dx", 10}, {"Dy", 10}, {"Text", "Left"}});
       h.Element({{"Type", 1}, {"Xs", 1000}, {"Ys", 900}, {"Dx", 10}, {"Dy", 10}});
       h.Element({{"Type", 1}, {"Xs", 300}, {"Ys", 210}, {"Dx", 40}, {"Dy", 50}, {"Text", "Corner"}});
       h.Element({{"Type", 1}, {"Xs", 10}, {"Ys", 200}, {"Dx", 10}, {"Dy", 50}, {"Text", "Low"}});
       h.Element({{"Type", 1}, {"Xs", 10}, {"Ys", 240}, {"Dx", 10}, {"Dy", 10}, {"Text", "Below"}});
     },
     {"BRK101 element 1: 'Left' at (-50, 10) is outside the 320 x 240 screen: the panel shows it at (270, 9)",
      "BRK101 element 2: 'Box' at (1000, 900) is outside the 320 x 240 screen: the panel shows it at (40, 903)",
      "BRK101 element 3: 'Corner' at (300, 210) reaches past the right and bottom edges of the 320 x 240 screen "
      "(x 300 + width 40 > 320, y 210 + height 50 > 240)",
      "BRK101 element 4: 'Low' at (10, 200) reaches past the bottom edge of the 320 x 240 screen (y 200 + height 50 > "
      "240)",
      "BRK101 element 5: 'Below' at (10, 240) is outside the 320 x 240 screen (below the bottom edge)"}},
    {"boxes up to the edges, without area, with a broken position, or never listed (Type 8) are not reported",
     [](Home& h) {
       h.Element({{"Type", 1}, {"Xs", 280}, {"Ys", 200}, {"Dx", 40}, {"Dy", 40}});
       h.Element({{"Type", 1}, {"Xs", 319}, {"Ys", 0}, {"Dx", -400}, {"Dy", 0}});
       h.Element({{"Type", 1}, {"Xs", Value()}, {"Ys", 10}, {"Dx", 10}, {"Dy", 10}});
       h.Element({{"Type", 1}, {"Xs", -1.5}, {"Ys", 10}, {"Dx", 10}, {"Dy", 10}});
       h.Element({{"Type", 8}, {"Xs", -50}, {"Ys", 10}, {"Dx", 10}, {"Dy", 10}});
     },
     {}},
    {"lines by the end points they are sent with",
     [](Home& h) {
       h.Element({{"Type", 2}, {"Xs", 10}, {"Ys", 5}, {"Dx", 0}, {"Dy", -20}, {"Text", "Up"}});
       h.Element({{"Type", 2}, {"Xs", 300}, {"Ys", 10}, {"Dx", 40}, {"Dy", 20}, {"Text", "Slant"}});
       h.Element({{"Type", 2}, {"Xs", 10}, {"Ys", 10}, {"Dx", -20}, {"Dy", 5}, {"Text", "Back"}});
       h.Element({{"Type", 2}, {"Xs", 320}, {"Ys", 0}, {"Dx", -320}, {"Dy", 0}, {"Text", "Full"}});
       h.Element({{"Type", 2}, {"Xs", 0}, {"Ys", 240}, {"Dx", 10}, {"Dy", -240}, {"Text", "Diagonal"}});
     },
     {"BRK101 element 1: 'Up' (a line) starts at (10, -15), outside the 320 x 240 screen (above the top edge)",
      "BRK101 element 2: 'Slant' (a line) ends at (340, 30), outside the 320 x 240 screen: the panel ends it at (319, "
      "30)",
      "BRK101 element 3: 'Back' (a line) ends at (-10, 15), outside the 320 x 240 screen: the panel ends it at (310, "
      "14)",
      "BRK101 element 5: 'Diagonal' (a line) starts at (0, 240), outside the 320 x 240 screen (below the bottom "
      "edge)"}},
    // BRK102
    {"a jump to a display that does not exist",
     [](Home& h) {
       h.project.AddDisplay({{"ModuleID", 1}, {"Description", "Next"}});
       h.project.Insert("HMIJumps", {{"PageNum", 1}, {"DispOpAddress", 2}});
       h.project.Insert("HMIJumps", {{"PageNum", 1}, {"DispOpAddress", 99}});
     },
     {"BRK102 display 1: jump 2 goes to display 99, which does not exist: the download leaves the jump out"}},
    // BRK103
    {"linked texts whose text-table entries are missing",
     [](Home& h) {
       h.project.Insert("ProjectTexts", {{"TextIndex", 1}, {"Text", "On"}});
       h.Element({{"Type", 4}, {"Text", "Mode"}, {"VarOprndAddr", 42}});
       h.Element({{"Type", 4}, {"Text", "Value"}, {"VarOprndType", 3}, {"VarOprndAddr", 42}});  // a text operand
       auto items = R"([{"ItemOperandAddress": 1}, {"ItemOperandAddress": 7}])";
       h.Element({{"Type", 5},
                  {"VarType", 3},
                  {"Text", "Linked"},
                  {"Binary", std::string(R"({"IsLinked": -1, "ItemCount": 2, "ItemAt": )") + items + "}"}});
       h.Element({{"Type", 5},
                  {"VarType", 3},
                  {"Text", "Fixed"},
                  {"Binary", std::string(R"({"ItemCount": 2, "ItemAt": )") + items + "}"}});
       h.Element({{"Type", 5},
                  {"VarType", 8},
                  {"Text", "Speed"},
                  {"TouchOprndAddr", -2},
                  {"StorageText", 1},
                  {"StrStorageOprndAddr", 9},
                  {"Binary", R"({"IsUnitsLinked": -1, "GetUnitsSource": {"GetSourceOperandAddr": 70000}})"}});
     },
     {"BRK103 element 1: 'Mode' shows text-table entry 42 as its text, which the text table does not have: the "
      "panel shows nothing there",
      "BRK103 element 3: 'Linked' shows text-table entry 7 as its item 2, which the text table does not have: the "
      "panel shows nothing there",
      "BRK103 element 5: 'Speed' shows text-table entry 9 as its label, which the text table does not have: the "
      "panel shows nothing there",
      "BRK103 element 5: 'Speed' shows text-table entry 4464 (address 70000 cut to 16 bits) as its units, which the "
      "text table does not have: the panel shows nothing there"}},
    // BRK104
    {"characters the code page cannot hold, each in its place",
     [](Home& h) {
       h.Element({{"Type", 4}, {"Text", "Motor \u03a9"}});
       h.Element({{"Type", 1}, {"Dx", 10}, {"Dy", 10}, {"Text", "\u03a9"}});  // a name the panel never shows
       h.Element({{"Type", 5},
                  {"VarType", 3},
                  {"Text", "List"},
                  {"Binary", R"({"ItemCount": 1, "ItemAt": [{"ItemText": "A\u03a9\u0007"}]})"}});
       h.Element({{"Type", 5}, {"VarType", 8}, {"Text", "\u03a9"}, {"Binary", R"({"GetUnitsText": "k\u03a9"})"}});
       h.project.Insert("ProjectTexts", {{"TextIndex", 5}, {"Text", "\u03a9 \u00b5"}});
       h.project.Insert("Curves", {{"CurveID", 1}, {"StorageOprndAddress", -1}});  // its name is sent
       h.project.Insert("Curves", {{"CurveID", 2}, {"StorageOprndAddress", 4}});   // stored at an address
       h.Element({{"Type", 5},
                  {"VarType", 23},
                  {"Text", "Trend"},
                  {"Binary", R"({"GetCurves": [{"GetCurveId": 1, "GetCurveName": "\u03a9"},
                                               {"GetCurveId": 2, "GetCurveName": "\u03a9"}]})"}});
     },
     {"BRK104 element 1: 'Motor \u03a9' text: character '\u03a9' (U+03A9) at position 7 of 'Motor \u03a9' is not "
      "in code page 1252: the compile stops at it",
      "BRK104 element 3: 'List' item 1: the control character U+0007 at position 3 cannot be held by a text: the "
      "compile stops at it",
      "BRK104 element 3: 'List' item 1: character '\u03a9' (U+03A9) at position 2 of 'A\u03a9\u0007' is not in "
      "code page 1252: the compile stops at it",
      "BRK104 element 4: '\u03a9' units: character '\u03a9' (U+03A9) at position 2 of 'k\u03a9' is not in code "
      "page 1252: the compile stops at it",
      "BRK104 element 5: 'Trend' curve 1 name: character '\u03a9' (U+03A9) at position 1 of '\u03a9' is not in code "
      "page 1252: the compile stops at it",
      "BRK104 :0: text-table entry 5: character '\u03a9' (U+03A9) at position 1 of '\u03a9 \u00b5' is not in "
      "code page 1252: the panel cannot show it"}},
    // BRK105
    {"an element and a display without bookkeeping rows",
     [](Home& h) {
       h.Element({{"Type", 1}, {"Dx", 10}, {"Dy", 10}});
       int32_t unbooked = h.Element({{"Type", 1}, {"Dx", 10}, {"Dy", 10}, {"Text", "Lost"}});
       h.project.Db().Execute(
           "DELETE FROM DownloadDLUs WHERE Guid IN (SELECT GUID FROM Pages WHERE Id = 1) OR Guid = " +
           std::to_string(h.project.GuidOf(unbooked)));
     },
     {"BRK105 display 1: the display has no bookkeeping row (DownloadDLUs, GUID 1000): it is never compiled",
      "BRK105 element 2: 'Lost' has no bookkeeping row (DownloadDLUs, GUID 1002): it is never compiled"}},
    {"items of module -1 are never compiled, so they need no bookkeeping",
     [](Home& h) {
       h.project.AddModule("Templates", -1);
       h.project.AddDisplay({{"ModuleID", -1}, {"Description", "Template"}});
       h.project.AddElement({{"DisplayID", 2}, {"Type", 1}, {"Dx", 10}, {"Dy", 10}});
       h.project.Db().Execute("DELETE FROM DownloadDLUs WHERE Guid >= 1001");
     },
     {}},
    // BRK106
    {"overlapping touch areas; edges that only touch, elements without touch and Type 8 are apart",
     [](Home& h) {
       h.Element({{"Xs", 20}, {"Ys", 50}, {"Dx", 40}, {"Dy", 20}, {"TouchOprndAddr", 1}, {"Text", "Cancel"}});
       h.Element({{"Xs", 40}, {"Ys", 60}, {"Dx", 40}, {"Dy", 20}, {"TouchOprndAddr", 2}, {"Text", "OK"}});
       h.Element({{"Xs", 50}, {"Ys", 55}, {"Dx", 5}, {"Dy", 5}, {"TouchOprndAddr", -2}, {"Text", "Entry"}});
       h.Element({{"Xs", 60}, {"Ys", 50}, {"Dx", 10}, {"Dy", 10}, {"TouchOprndAddr", 3}, {"Text", "Edge"}});
       h.Element({{"Xs", 30}, {"Ys", 55}, {"Dx", 10}, {"Dy", 10}, {"Text", "Plain"}});
       h.Element({{"Type", 8}, {"Xs", 30}, {"Ys", 55}, {"Dx", 10}, {"Dy", 10}, {"TouchOprndAddr", 4}});
       h.Element({{"Type", 5},
                  {"VarType", 2},
                  {"Xs", 30},
                  {"Ys", 55},
                  {"Dx", 10},
                  {"Dy", 10},
                  {"Binary", std::string(R"({"IsSwitch": false})")},
                  {"Text", "Lamp"}});
     },
     {"BRK106 element 2: 'OK' overlaps the touch area of 'Cancel' [1] by 20 x 10 pixels at (40, 60)",
      "BRK106 element 3: 'Entry' overlaps the touch area of 'Cancel' [1] by 5 x 5 pixels at (50, 55)"}},
    {"elements on one spot each name the first and count the others; module -1 is left out",
     [](Home& h) {
       for (const char* name : {"A", "B", "C"}) {
         h.Element({{"Dx", 10}, {"Dy", 10}, {"TouchOprndAddr", 1}, {"Text", name}});
       }
       h.Element({{"Type", 5},
                  {"VarType", 2},
                  {"Dx", 10},
                  {"Dy", 10},
                  {"Binary", std::string(R"({"IsSwitch": true})")},
                  {"Text", "Switch"}});
       h.project.AddModule("Templates", -1);
       h.project.AddDisplay({{"ModuleID", -1}, {"Description", "Template"}});
       for (int i = 0; i < 2; ++i)
         h.project.AddElement({{"DisplayID", 2}, {"Dx", 10}, {"Dy", 10}, {"TouchOprndAddr", 1}});
     },
     {"BRK106 element 2: 'B' overlaps the touch area of 'A' [1] by 10 x 10 pixels at (0, 0)",
      "BRK106 element 3: 'C' overlaps the touch area of 'A' [1] by 10 x 10 pixels at (0, 0), and those of 1 more "
      "element of lower ID",
      "BRK106 element 4: 'Switch' overlaps the touch area of 'A' [1] by 10 x 10 pixels at (0, 0), and those of 2 more "
      "elements of lower ID"}},
    // BRK107
    {"pictures missing or naming images the project does not have",
     [](Home& h) {
       h.project.Insert("ProjectImages", {{"CRC", 55}});
       h.Element({{"Type", 3}, {"Dx", 10}, {"Dy", 10}, {"Text", "Logo"}});
       int32_t box = h.Element({{"Type", 4}, {"Dx", 10}, {"Dy", 10}, {"Text", "Boxed"}});
       h.project.Insert("ElementsAndImages", {{"Element_ID", box}, {"Image_Index", 0}, {"Image_CRC", 1234}});
       h.Element({{"Type", 5}, {"VarType", 1}, {"Binary", R"({"Image":[{"ImageCrc":55}]})"}, {"Text", "Switch"}});
       h.Element({{"Type", 5}, {"VarType", 4}, {"Binary", R"({"ImageCount":0})"}, {"Text", "Empty list"}});
       h.Element({{"Type", 5}, {"VarType", 22}, {"Binary", R"({"GetFramePicture":{"ImageCrc":55}})"}});
       h.project.Insert("PagesAndImages", {{"Page_ID", 1}, {"Image_CRC", 777}});
     },
     {"BRK107 element 1: 'Logo' shows a picture but has none",
      "BRK107 element 2: picture row 0 of 'Boxed' is image CRC 1234, which the project's images do not have",
      "BRK107 element 3: picture 2 of 'Switch' is not given",
      "BRK107 element 4: 'Empty list' shows a picture but has none",
      "BRK107 display 1: the background of the display is image CRC 777, which the project's images do not have"}},
};

class LintChecks : public ::testing::TestWithParam<LintCase> {};

TEST_P(LintChecks, FindWhatTheProjectHolds) {
  Home home;
  GetParam().build(home);
  LintReport report = RunLint(ContextOf(home.project.Db(), home.project.Host()), LintConfig{});
  EXPECT_EQ(Lines(report.findings), GetParam().expected);
  EXPECT_TRUE(report.notices.empty()) << report.notices.front();
}

INSTANTIATE_TEST_SUITE_P(EachRule, LintChecks, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string name;
  for (const char* c = info.param.name; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
});

}  // namespace
}  // namespace brisklet::test
