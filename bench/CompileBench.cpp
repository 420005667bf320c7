// How long CompileHMI takes on generated projects of about 1,000, 10,000 and 100,000
// elements, in files under /tmp as the command-line tool has them: a full compile of a
// project where everything is pending, and a compile after one element changed. Each also
// times, in the same process on the same database, one plain SQLite read of every row and
// field of HMI_Elements and Pages; compile time / read time is the headline figure.
//
//   build-perf/brisklet_bench --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>

#include "GeneratedProjects.h"
#include "RawRead.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"

namespace brisklet::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// Peak resident memory of the process so far, in MiB.
double PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

// A compiler on an open project, as the tool makes one: messages are counted, not printed.
struct Session {
  explicit Session(const std::string& path) : conn(Connection::Open(path)), host(*conn, Quiet()), compiler(host) {}
  static DefaultHostOptions Quiet() {
    DefaultHostOptions options;
    options.notice = [](const std::string&) {};
    return options;
  }
  std::unique_ptr<Connection> conn;
  DefaultHost host;
  clsDownload compiler;
};

double TimeRawRead(Connection& conn) {
  auto start = Clock::now();
  benchmark::DoNotOptimize(ReadElementsAndDisplays(conn.Handle()));
  return Seconds(start, Clock::now());
}

// elementsCompiled: 0 where the rate says nothing (one element a run).
void Report(benchmark::State& state, ProjectSize size, double compileSeconds, double readSeconds,
            int64_t elementsCompiled) {
  double runs = static_cast<double>(state.iterations());
  state.counters["elements"] = static_cast<double>(size.Elements());
  if (elementsCompiled > 0) state.counters["elements_per_s"] = static_cast<double>(elementsCompiled) / compileSeconds;
  state.counters["raw_read_ms"] = 1000.0 * readSeconds / runs;
  state.counters["compile/read"] = compileSeconds / readSeconds;
  state.counters["peak_MiB"] = PeakMemoryMiB();
}

// One timed CompileHMI, plus one plain read of the same database for the ratio.
void TimeCompile(benchmark::State& state, Session& session, double& compileSeconds, double& readSeconds) {
  auto start = Clock::now();
  session.compiler.CompileHMI();
  double seconds = Seconds(start, Clock::now());
  state.SetIterationTime(seconds);
  compileSeconds += seconds;
  readSeconds += TimeRawRead(*session.conn);
}

// Everything pending: tab order, every element and display, all the checks.
void BM_FullCompile(benchmark::State& state) {
  ProjectSize size{static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1))};
  TemplateProject(size);
  double compileSeconds = 0, readSeconds = 0;
  for (auto _ : state) {
    Session session(FreshCopy(size));
    TimeCompile(state, session, compileSeconds, readSeconds);
  }
  Report(state, size, compileSeconds, readSeconds, size.Elements() * static_cast<int64_t>(state.iterations()));
}

// One element changed since the last compile: it is compiled again, and every display goes
// through the duplicate tab index check and the project checks run over the whole project.
void BM_IncrementalCompile(benchmark::State& state) {
  ProjectSize size{static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1))};
  Session session(FreshCopy(size));
  session.compiler.CompileHMI();
  int32_t changed = static_cast<int32_t>(size.Elements() / 2);
  sqlite3_stmt* guid = session.conn->Prepared("SELECT GUID FROM HMI_Elements WHERE ID=?");
  BindAll(guid, {Value(changed)});
  std::string markChanged = sqlite3_step(guid) == SQLITE_ROW ? "UPDATE DownloadDLUs SET IsCompiled=0 WHERE Guid=" +
                                                                   std::to_string(sqlite3_column_int64(guid, 0))
                                                             : std::string("SELECT 1");
  sqlite3_reset(guid);
  double compileSeconds = 0, readSeconds = 0;
  for (auto _ : state) {
    session.conn->Execute(markChanged);
    TimeCompile(state, session, compileSeconds, readSeconds);
  }
  Report(state, size, compileSeconds, readSeconds, 0);
}

// About 1,000, 10,000 and 100,000 elements on 100-element displays.
void Sizes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"displays", "per_display"});
  for (int64_t displays : {10, 100, 1000}) b->Args({displays, 100});
  b->UseManualTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_FullCompile)->Apply(Sizes);
BENCHMARK(BM_IncrementalCompile)->Apply(Sizes);

}  // namespace
}  // namespace brisklet::bench

BENCHMARK_MAIN();
