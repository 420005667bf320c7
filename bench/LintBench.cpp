// Our own checks beside the compiler's: on the generated project of 100,000 elements (1,000
// displays of 100), compiled once, RunLint with every rule on (each check's share as a counter),
// and the compiler's checks run by reference on the same project (`brisklet compile --reference`
// after a first compile). And the touch-overlap check on n touch elements of one display, all on
// one spot or each one pixel further, which must grow as n (log n), never n^2.
//
//   build/brisklet_bench --benchmark_filter='Lint|Reference'
#include <benchmark/benchmark.h>

#include <chrono>

#include "GeneratedProjects.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "lint/LintRules.h"
#include "lint/LintRun.h"

namespace brisklet::bench {
namespace {

using Clock = std::chrono::steady_clock;

DefaultHostOptions Quiet() {
  DefaultHostOptions options;
  options.notice = [](const std::string&) {};
  return options;
}

// A compiled copy of the generated project, its host and compiler.
struct Compiled {
  explicit Compiled(ProjectSize size) : conn(Connection::Open(FreshCopy(size))), host(*conn, Quiet()), compiler(host) {
    compiler.CompileHMI();
  }
  std::unique_ptr<Connection> conn;
  DefaultHost host;
  clsDownload compiler;
};

// The 100,000-element project of the classic mix (Arg 0) or of every kind (Arg 1).
ProjectSize Large(const benchmark::State& state) {
  return {1000, 100, state.range(0) == 0 ? GeneratorMix::Classic : GeneratorMix::EveryKind};
}

void BM_LintAllChecks(benchmark::State& state) {
  ProjectSize large = Large(state);
  Compiled project(large);
  LintContext context = ContextOf(*project.conn, project.host);
  size_t findings = 0;
  for (auto _ : state) {
    LintReport report = RunLint(context, LintConfig{});
    findings = report.findings.size();
  }
  state.counters["elements"] = static_cast<double>(large.Elements());
  state.counters["findings"] = static_cast<double>(findings);
  for (const LintRule& rule : LintRules()) {  // one more run of each check alone, for its share
    LintFindings found;
    auto start = Clock::now();
    rule.check(context, found);
    state.counters[RuleId(rule.text.number) + "_ms"] =
        1000.0 * std::chrono::duration<double>(Clock::now() - start).count();
  }
}
BENCHMARK(BM_LintAllChecks)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_ReferenceChecks(benchmark::State& state) {
  ProjectSize large = Large(state);
  Compiled project(large);
  project.compiler.SetReferenceRun(true);
  for (auto _ : state) {
    project.compiler.CompileHMI();
    benchmark::DoNotOptimize(project.compiler.ErrorCount());
  }
  state.counters["elements"] = static_cast<double>(large.Elements());
}
BENCHMARK(BM_ReferenceChecks)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);

// n touch elements of one display, 20 x 20 pixels at (step * k, step * k) for k = 1..n.
void TimeTouchOverlaps(benchmark::State& state, int step) {
  auto db = Connection::CreateInMemory();
  DefaultHost host(*db, Quiet());
  db->Execute(
      "INSERT INTO DispModules(ModuleID, ModuleName) VALUES (1, 'Main');"
      "INSERT INTO Pages(Id, GUID, ModuleID, Description) VALUES (1, 100, 1, 'Crowded');");
  db->Execute(
      "WITH RECURSIVE k(value) AS (SELECT 1 UNION ALL SELECT value + 1 FROM k WHERE value < ?) "
      "INSERT INTO HMI_Elements(ID, GUID, DisplayID, Xs, Ys, Dx, Dy, TouchOprndAddr) "
      "SELECT value, 10000 + value, 1, ? * value, ? * value, 20, 20, value FROM k",
      {Value(state.range(0)), Value(step), Value(step)});
  LintContext context = ContextOf(*db, host);
  for (auto _ : state) {
    LintFindings found;
    CheckTouchOverlaps(context, found);
    benchmark::DoNotOptimize(found.size());
  }
  state.SetComplexityN(state.range(0));
}

void BM_LintTouchOnOneSpot(benchmark::State& state) { TimeTouchOverlaps(state, 0); }
BENCHMARK(BM_LintTouchOnOneSpot)->RangeMultiplier(4)->Range(625, 10000)->Complexity()->Unit(benchmark::kMillisecond);

void BM_LintTouchOnePixelApart(benchmark::State& state) { TimeTouchOverlaps(state, 1); }
BENCHMARK(BM_LintTouchOnePixelApart)
    ->RangeMultiplier(4)
    ->Range(625, 10000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brisklet::bench
