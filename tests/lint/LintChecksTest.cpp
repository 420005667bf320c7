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
    // BRK102
    {"a jump to a display that does not exist",
     [](Home& h) {
       h.project.AddDisplay({{"ModuleID", 1}, {"Description", "Next"}});
       h.project.Insert("HMIJumps", {{"PageNum", 1}, {"DispOpAddress", 2}});
       h.project.Insert("HMIJumps", {{"PageNum", 1}, {"DispOpAddress", 99}});
     },
     {"BRK102 display 1: jump 2 goes to display 99, which does not exist: the download leaves the jump out"}},
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
