// How long our own text checks take on the generated project of 100,000 elements (each reads
// the design once; the number's units, the lists' items and the trends' curve names are in
// property blobs, which are decoded for those kinds only).
//
//   build/brisklet_bench --benchmark_filter=TextCheck
#include <benchmark/benchmark.h>

#include "GeneratedProjects.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "lint/LintRules.h"

namespace brisklet::bench {
namespace {

void TimeCheck(benchmark::State& state, LintCheck check) {
  ProjectSize size{1000, 100};
  auto conn = Connection::Open(TemplateProject(size));
  DefaultHostOptions options;
  options.notice = [](const std::string&) {};
  DefaultHost host(*conn, options);
  LintContext context = ContextOf(*conn, host);
  size_t findings = 0;
  for (auto _ : state) {
    LintFindings found;
    check(context, found);
    findings = found.size();
  }
  state.counters["elements"] = static_cast<double>(size.Elements());
  state.counters["findings"] = static_cast<double>(findings);
}

void BM_TextCheckEntries(benchmark::State& state) { TimeCheck(state, CheckTextTableEntries); }
void BM_TextCheckCodePage(benchmark::State& state) { TimeCheck(state, CheckCodePageCharacters); }

BENCHMARK(BM_TextCheckEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextCheckCodePage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brisklet::bench
