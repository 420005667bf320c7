// brisklet preview at the size of a large panel project, as whole tool runs: `preview --all`
// of 1,000 displays of 100 elements (a compile of the private copy, then every display drawn
// into its PNG), and `preview --diff` of two such projects, one element moved in the newer.
//
//   build/brisklet_bench --benchmark_filter=Preview --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "GeneratedProjects.h"
#include "database/Connection.h"

namespace brisklet::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const ProjectSize kSize{1000, 100};
const fs::path kOut = fs::temp_directory_path() / "brisklet-bench-preview";

// Runs the tool, timing the run; an error for the benchmark when it ends other than `expected`.
void RunTimed(benchmark::State& state, const std::string& args, int expected) {
  std::string command = std::string(BRISKLET_TOOL) + " " + args + " >/dev/null 2>&1";
  for (auto _ : state) {
    fs::remove_all(kOut);
    auto start = Clock::now();
    int status = std::system(command.c_str());
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != expected) state.SkipWithError(("failed: " + command).c_str());
  }
  state.counters["elements"] = static_cast<double>(kSize.Elements());
  fs::remove_all(kOut);
}

void BM_PreviewAll(benchmark::State& state) {
  // The generated project holds errors: preview exits 1 then.
  RunTimed(state, "preview " + TemplateProject(kSize) + " --all -o " + kOut.string(), 1);
}
BENCHMARK(BM_PreviewAll)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_PreviewDiffOfOneMovedElement(benchmark::State& state) {
  std::string newer = (fs::temp_directory_path() / "brisklet-bench-preview-new.db").string();
  fs::copy_file(TemplateProject(kSize), newer, fs::copy_options::overwrite_existing);
  Connection::Open(newer)->Execute("UPDATE HMI_Elements SET Xs=Xs+1 WHERE ID=(SELECT MIN(ID) FROM HMI_Elements)");
  RunTimed(state, "preview --diff " + TemplateProject(kSize) + " " + newer + " -o " + kOut.string(), 1);
  fs::remove(newer);
}
BENCHMARK(BM_PreviewDiffOfOneMovedElement)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace brisklet::bench
