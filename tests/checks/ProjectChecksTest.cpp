// The project checks, run by CompileHMI over small projects whose elements and displays are
// all compiled already, so that only the checks report.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestProject.h"

namespace brisklet::test {
namespace {

constexpr const char* kSwitch = R"({"IsSwitch": true})";
constexpr const char* kNoSwitch = R"({"IsSwitch": false})";

class ProjectChecks : public ::testing::Test {
 protected:
  ProjectChecks() { project.AddModule("Main"); }

  int32_t Display(const char* description) {
    return project.AddDisplay({{"ModuleID", 1}, {"Description", description}});
  }
  void Element(int32_t display, Columns columns) {
    columns.push_back({"DisplayID", display});
    project.AddElement(columns);
  }
  void Touch(int32_t display, int32_t address, int32_t type = 1) {
    Element(display, {{"Type", type}, {"TouchOprndAddr", address}});
  }
  void Button(int32_t display, int32_t varType, const char* binary, int32_t mb, int32_t oprndType = 1) {
    Element(display,
            {{"Type", 5}, {"VarType", varType}, {"Binary", binary}, {"VarOprndType", oprndType}, {"VarOprndAddr", mb}});
  }
  void Variable(int32_t display, const char* name, int32_t type = 5) {
    Element(display, {{"Type", type}, {"VarType", type == 5 ? 8 : 0}, {"Text", name}});
  }

  // Each message as "severity module#id location#display: text", in the order reported.
  std::vector<std::string> Reported() {
    project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled=1");
    project.Compiler().CompileHMI();
    std::vector<std::string> out;
    for (const RecordedMessage& m : project.Messages().messages) {
      out.push_back(std::to_string(m.severity) + " " + m.moduleName + "#" + std::to_string(m.moduleId) + " " +
                    m.location + "#" + std::to_string(m.displayId) + ": " + m.message);
    }
    EXPECT_EQ(project.Compiler().ErrorCount(), static_cast<int32_t>(out.size()));
    return out;
  }
  std::vector<std::string> ReportedSorted() {
    auto out = Reported();
    std::sort(out.begin(), out.end());
    return out;
  }
  TestProject project;
};

using Lines = std::vector<std::string>;

TEST_F(ProjectChecks, DuplicateTouchOncePerDisplaySingularAndPlural) {
  int32_t setup = Display("Setup"), alarms = Display("Alarms");
  for (int32_t address : {7, 5, 7, 5, 7, -1, -1, -2, -2}) Touch(setup, address);
  for (int32_t address : {5, 5, 6}) Touch(alarms, address);
  EXPECT_EQ(Reported(),
            (Lines{"0 Main#1 Setup#1: The HMI Display: 'Setup' has 2 or more elements with the same touch operand "
                   "address. MBs: 5, 7",
                   "0 Main#1 Alarms#2: The HMI Display: 'Alarms' has 2 or more elements with the same touch operand "
                   "address. MB: 5"}));
}

TEST_F(ProjectChecks, TouchVsSwitchOncePerDisplayAndAddress) {
  int32_t setup = Display("Setup"), alarms = Display("Alarms");
  Touch(setup, 12);
  Touch(setup, 12);
  Button(setup, 1, kSwitch, 12);
  Button(setup, 2, kSwitch, 12);
  Touch(setup, 13);
  Button(setup, 1, kNoSwitch, 13);  // not a switch
  Touch(setup, 14);
  Button(setup, 2, kSwitch, 14, 2);  // a switch on an MI, not an MB
  Touch(setup, 15);
  Button(alarms, 1, kSwitch, 15);  // on another display
  Touch(setup, 16);
  Button(setup, 1, kNoSwitch, 16);
  Button(setup, 2, kSwitch, 16);
  Touch(alarms, 12);
  Button(alarms, 2, kSwitch, 12);
  const std::string tail = ", while it also contains Switch element(s) linked to the same MB";
  EXPECT_EQ(Reported(),
            (Lines{"0 Main#1 Setup#1: The HMI Display: 'Setup' has 2 or more elements with the same touch operand "
                   "address. MB: 12",
                   "0 Main#1 Setup#1: The HMI Display: 'Setup' contains element(s) with touch MB: 12" + tail,
                   "0 Main#1 Setup#1: The HMI Display: 'Setup' contains element(s) with touch MB: 16" + tail,
                   "0 Main#1 Alarms#2: The HMI Display: 'Alarms' contains element(s) with touch MB: 12" + tail}));
}

TEST_F(ProjectChecks, TouchAndHideOnePerElement) {
  int32_t setup = Display("Setup"), alarms = Display("Alarms");
  Element(setup, {{"Type", 1}, {"Text", "Start"}, {"TouchOprndAddr", 4}, {"VisibleOpAddr", 4}});
  Element(setup, {{"Type", 3}, {"Text", "Logo"}, {"TouchOprndAddr", 6}, {"VisibleOpAddr", 6}});
  Element(setup, {{"Type", 1}, {"Text", "Idle"}, {"TouchOprndAddr", -2}, {"VisibleOpAddr", -2}});
  Element(setup, {{"Type", 1}, {"Text", "Run"}, {"TouchOprndAddr", 8}, {"VisibleOpAddr", 9}});
  Element(alarms, {{"Type", 5}, {"VarType", 8}, {"Text", "Stop"}, {"TouchOprndAddr", 0}, {"VisibleOpAddr", 0}});
  EXPECT_EQ(ReportedSorted(),
            (Lines{"0 Main#1 Alarms#2: 'Stop' can not have both 'Touch' and 'Hide' linked to the same operand",
                   "0 Main#1 Setup#1: 'Start' can not have both 'Touch' and 'Hide' linked to the same operand",
                   "0 Main#1 Setup#1: Picture element can not have both 'Touch' and 'Hide' linked to the same "
                   "operand"}));
}

TEST_F(ProjectChecks, DuplicateVariableNamesAcrossDisplays) {
  int32_t a = Display("A"), b = Display("B");
  // "Temp" is once per display, "" is unnamed.
  for (const char* name : {"Speed", "Speed", "Level", "Level", "Level", "Temp", "", ""}) Variable(a, name);
  for (const char* name : {"Speed", "Speed", "Temp", "", ""}) Variable(b, name);
  Variable(a, "Frame", 1);  // not variables
  Variable(a, "Frame", 1);
  EXPECT_EQ(Reported(), (Lines{"0 Main#1 A#1: 2 Or more Vars have the Same Name: 'Level'. Those Vars Can be found on "
                               "Display: 'A'",
                               "0 Main#1 A#1: 2 Or more Vars have the Same Name: 'Speed'. Those Vars Can be found on "
                               "Displays: 'A, B'"}));
}

// Text compares without regard to case in the query (the schema's collation), so "Speed" and
// "SPEED" on one display are duplicates; the name reported is that of the lower ID.
TEST_F(ProjectChecks, NamesDifferingOnlyInCaseAreDuplicates) {
  int32_t setup = Display("Setup");
  for (const char* name : {"Speed", "SPEED", "Speed2"}) Variable(setup, name);
  EXPECT_EQ(Reported(), (Lines{"0 Main#1 Setup#1: 2 Or more Vars have the Same Name: 'Speed'. Those Vars Can be found "
                               "on Display: 'Setup'"}));
}

TEST_F(ProjectChecks, TooSmallFor3D) {
  int32_t setup = Display("Setup");
  auto element = [&](const char* text, int32_t flat3D, int32_t dx, int32_t dy) {
    Element(setup, {{"Type", 1}, {"Text", text}, {"Flat3D", flat3D}, {"Dx", dx}, {"Dy", dy}});
  };
  element("Narrow", 1, 8, 100);
  element("Low", 3, 100, 8);
  element("Square", 1, 9, 9);
  element("Flat", 0, 2, 2);
  element("Bordered", 2, 2, 2);
  element("Unfilled", 4, 2, 2);
  EXPECT_EQ(ReportedSorted(), (Lines{"0 Main#1 Setup#1: The Element: 'Low' is too small for 3D",
                                     "0 Main#1 Setup#1: The Element: 'Narrow' is too small for 3D"}));
}

TEST_F(ProjectChecks, TrendGraphMinimumSizeOnly) {
  int32_t setup = Display("Setup");
  auto element = [&](const char* text, int32_t type, int32_t varType, int32_t dx, int32_t dy) {
    Element(setup, {{"Type", type}, {"VarType", varType}, {"Text", text}, {"Dx", dx}, {"Dy", dy}});
  };
  element("Narrow", 5, 23, 199, 240);
  element("Low", 5, 27, 320, 139);
  element("Smallest", 5, 23, 200, 140);
  element("Large", 5, 27, 400, 300);
  element("Numeric", 5, 8, 10, 10);
  element("Box", 1, 0, 10, 10);
  const std::string tail =
      "' either exceeds the maximum size of 320 x 240 pixels, or does not meet the minimum size requirement of 200 x "
      "140 pixels";
  EXPECT_EQ(ReportedSorted(), (Lines{"0 Main#1 Setup#1: The HMI element Trend Graph: 'Low" + tail,
                                     "0 Main#1 Setup#1: The HMI element Trend Graph: 'Narrow" + tail}));
}

TEST_F(ProjectChecks, TrendsWithoutCurves) {
  project.Insert("Trends", {{"TrendID", 1}, {"Name", "Oven"}});
  project.Insert("Trends", {{"TrendID", 2}, {"Name", "Boiler"}});
  project.Insert("Trends", {{"TrendID", 3}, {"Name", "Tank"}});
  project.Insert("Curves", {{"CurveID", 1}});
  project.Insert("Curves", {{"CurveID", 17}});
  EXPECT_EQ(Reported(), (Lines{"0 #0 Trends Tree: Boiler#0: This Trend doesn't have any Curves configured"}));
}

TEST_F(ProjectChecks, TrendWhoseCurvesLieOutsideItsSlots) {
  project.Insert("Trends", {{"TrendID", 4}, {"Name", "Pump"}});  // owns curves 25 to 32
  project.Insert("Curves", {{"CurveID", 24}});
  project.Insert("Curves", {{"CurveID", 33}});
  EXPECT_EQ(Reported(), (Lines{"0 #0 Trends Tree: Pump#0: This Trend doesn't have any Curves configured"}));
}

// Elements whose display does not exist are named by their display number; the checks that
// join the display's module leave them out. Display 0 stands for "no finding yet" in the
// duplicate touch check, so each of its rows makes a finding of its own.
TEST_F(ProjectChecks, OrphanRows) {
  Display("Setup");
  for (int i = 0; i < 3; ++i) Touch(0, 5);
  Touch(99, 5);
  Touch(99, 5);
  Touch(99, 12);
  Button(99, 1, kSwitch, 12);
  Variable(99, "Speed");
  Variable(99, "Speed");
  Element(99, {{"Type", 1}, {"Text", "Hidden"}, {"TouchOprndAddr", 4}, {"VisibleOpAddr", 4}, {"Flat3D", 1}});
  const std::string zero =
      "0 #0 <missing display 0>#0: The HMI Display: '<missing display 0>' has 2 or more elements with the same touch "
      "operand address. MB: 5";
  EXPECT_EQ(Reported(),
            (Lines{zero, zero, zero,
                   "0 #0 <missing display 99>#99: The HMI Display: '<missing display 99>' has 2 or more elements "
                   "with the same touch operand address. MB: 5",
                   "0 #0 <missing display 99>#99: The HMI Display: '<missing display 99>' contains element(s) with "
                   "touch MB: 12, while it also contains Switch element(s) linked to the same MB",
                   "0 #0 <missing display 99>#99: 2 Or more Vars have the Same Name: 'Speed'. Those Vars Can be "
                   "found on Display: '<missing display 99>'"}));
}

}  // namespace
}  // namespace brisklet::test
