// Our own checks with their kept findings against a whole run of them, after the random edits
// of the compile's differential test (tests/support/RandomEdits.h).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "ProjectGenerator.h"
#include "lint/KeptLint.h"
#include "lint/LintRun.h"
#include "support/RandomEdits.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

// After every edit (a compile, whose own writes are edits too, after every few), with rules
// turned off and on again.
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

}  // namespace
}  // namespace brisklet::test
