// brisklet.toml: its mistakes, each with its line and column, and the findings as it configures
// them (severities, suppressions by ID and name, a suppression that matches nothing).
#include <gtest/gtest.h>

#include "lint/LintRun.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

struct ConfigCase {
  const char* toml;
  std::vector<std::string> problems;  // "line:column: text"
};

class LintConfigText : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(LintConfigText, SaysEachMistakeWhereItIs) {
  std::vector<ConfigProblem> problems;
  ParseLintConfig(GetParam().toml, "brisklet.toml", problems);
  std::vector<std::string> said;
  for (const ConfigProblem& p : problems)
    said.push_back(std::to_string(p.line) + ":" + std::to_string(p.column) + ": " + p.text);
  EXPECT_EQ(said, GetParam().problems);
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, LintConfigText,
    ::testing::Values(
        ConfigCase{"[rules]\nBRK101 = \"off\"\nMissingPicture = \"error\"\n\n[[suppress]]\nrule = \"BRK106\"\n"
                   "element = 4\nreason = \"the two buttons are never shown together\"\n",
                   {}},
        ConfigCase{"[rules]\nBRK003 = \"off\"\nBRK999 = \"off\"\nBRK102 = \"loud\"\nBRK104 = 1\n",
                   {"2:10: BRK003 is a rule of the compiler's own checks: its severity and findings stay as the "
                    "compiler gives them",
                    "3:10: unknown rule 'BRK999' (the rules are BRK100 to BRK107, by id or name)",
                    "4:10: the severity of BRK102 is one of \"off\", \"note\", \"warning\", \"error\"",
                    "5:10: the severity of BRK104 is one of \"off\", \"note\", \"warning\", \"error\""}},
        ConfigCase{
            "[[suppress]]\nrule = \"BRK101\"\nelement = 3\n\n[[suppress]]\nelement = 3\nreason = \"x\"\n\n"
            "[[suppress]]\nrule = \"BRK101\"\nreason = \"x\"\n\n[[suppress]]\nrule = \"BRK101\"\nelement = 2.5\n"
            "reason = \"x\"\ncolour = 1\n",
            {"1:1: a suppression says why: reason = \"...\"", "5:1: a suppression names its rule: rule = \"BRK106\"",
             "9:1: a suppression names an element or a display: element = 17 or display = \"Home\"",
             "15:11: element is an ID (a whole number) or a name (a text)",
             "17:10: unknown key 'colour' of a suppression (rule, element, display and reason, the last three "
             "texts or IDs)"}},
        ConfigCase{"[rules\nBRK101 = \"off\"\n", {"1:7: Error while parsing table header: expected ']', saw '\\n'"}},
        ConfigCase{"verbose = true\n",
                   {"1:11: unknown key 'verbose': the file has a [rules] table and [[suppress]] entries"}}));

// Home (display 1) with three pictures without a picture, "Far" [1], "Far" [2] and "Wide" [3],
// and a jump to a display that does not exist.
class LintConfigured : public ::testing::Test {
 protected:
  LintConfigured() {
    project.AddModule("Main");
    project.AddDisplay({{"ModuleID", 1}, {"Description", "Home"}});
    for (const char* name : {"Far", "Far", "Wide"}) {
      project.AddElement({{"DisplayID", 1}, {"Type", 3}, {"Text", name}, {"Dx", 10}, {"Dy", 10}});
    }
    project.Insert("HMIJumps", {{"PageNum", 1}, {"DispOpAddress", 99}});
  }
  // Each finding as "BRK107 warning element 1" (or "display 1", or "brisklet.toml:LINE").
  std::vector<std::string> Found(const std::string& toml) {
    std::vector<ConfigProblem> problems;
    LintConfig config = ParseLintConfig(toml, "brisklet.toml", problems);
    EXPECT_TRUE(problems.empty()) << problems.front().text;
    std::vector<std::string> lines;
    for (const LintFinding& f : RunLint(ContextOf(project.Db(), project.Host()), config).findings) {
      std::string where = f.element.id != 0  ? "element " + std::to_string(f.element.id)
                          : f.displayId != 0 ? "display " + std::to_string(f.displayId)
                                             : f.file + ":" + std::to_string(f.line);
      lines.push_back(RuleId(f.rule) + " " + SeverityName(f.severity) + " " + where);
    }
    return lines;
  }
  TestProject project;
};

using Lines = std::vector<std::string>;

TEST_F(LintConfigured, SeveritiesAndSuppressions) {
  EXPECT_EQ(Found(""), (Lines{"BRK102 warning display 1", "BRK107 warning element 1", "BRK107 warning element 2",
                              "BRK107 warning element 3"}));
  EXPECT_EQ(Found("[rules]\nMissingPicture = \"off\"\nBRK102 = \"error\"\n"), (Lines{"BRK102 error display 1"}));
  EXPECT_EQ(Found("[rules]\nBRK107 = \"note\"\n[[suppress]]\nrule = \"BRK107\"\nelement = \"far\"\nreason = \"r\"\n"),
            (Lines{"BRK102 warning display 1", "BRK107 note element 3"}));
  EXPECT_EQ(Found("[[suppress]]\nrule = \"MissingPicture\"\nelement = 3\nreason = \"r\"\n"
                  "[[suppress]]\nrule = \"BRK102\"\ndisplay = \"HOME\"\nreason = \"r\"\n"),
            (Lines{"BRK107 warning element 1", "BRK107 warning element 2"}));
  EXPECT_EQ(Found("[[suppress]]\nrule = \"BRK107\"\nelement = \"Far\"\ndisplay = 2\nreason = \"r\"\n"),
            (Lines{"BRK102 warning display 1", "BRK107 warning element 1", "BRK107 warning element 2",
                   "BRK107 warning element 3", "BRK100 warning brisklet.toml:1"}));
}

TEST_F(LintConfigured, AStaleSuppressionIsSaidUnlessItsRuleOrBRK100IsOff) {
  const std::string stale =
      "[[suppress]]\nrule = \"BRK106\"\nelement = 12\nreason = \"the two are never shown together\"\n";
  LintFindings found = RunLint(ContextOf(project.Db(), project.Host()),
                               [&] {
                                 std::vector<ConfigProblem> problems;
                                 return ParseLintConfig(stale, "brisklet.toml", problems);
                               }())
                           .findings;
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.back().message, "the suppression of BRK106 for element 12 matches no finding");
  EXPECT_EQ(Found(stale + "[rules]\nBRK106 = \"off\"\n").size(), 4u);
  EXPECT_EQ(Found(stale + "[rules]\nUnusedSuppression = \"off\"\n").size(), 4u);
}

}  // namespace
}  // namespace brisklet::test
