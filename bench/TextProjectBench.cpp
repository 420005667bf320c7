// A text project of about 100,000 elements (1,000 displays of 100) kept in /tmp: one element's
// line edited in one display file, then what `brisklet compile DIR` does: the folder's store
// brought up to date from the changed file, and the host compile of what the edit changed.
// Also the whole export and the whole import of the same project, for scale.
//
//   build/brisklet_bench --benchmark_filter=Text --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "GeneratedProjects.h"
#include "component/ProjectCompile.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "textproject/DesignRows.h"
#include "textproject/ProjectFolder.h"

namespace brisklet::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const ProjectSize kSize{1000, 100};

double Since(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

// The folder of the generated project's text form, its store compiled once.
const std::string& TextProject() {
  static const std::string folder = [] {
    std::string path = (fs::temp_directory_path() / "brisklet-bench-text").string();
    fs::remove_all(path);
    auto conn = Connection::Open(TemplateProject(kSize));
    WriteFolder(path, WriteTextForm(ReadDesign(*conn)));
    SyncTextProject(path);
    auto store = Connection::Open(StoreOfFolder(path));
    DefaultHost host(*store);
    clsDownload compiler(host);
    ProjectCompile(compiler, host, *store).Run({});
    return path;
  }();
  return folder;
}

// Moves the first element of a display file one pixel right, or back.
void EditOneElement(const std::string& file) {
  std::stringstream text;
  text << std::ifstream(file).rdbuf();
  std::string s = text.str();
  size_t at = s.find("\nXs = ") + 6;
  s[at] = s[at] == '1' ? '2' : '1';
  std::ofstream(file, std::ios::trunc) << s;
}

void BM_TextProjectOneElementEdit(benchmark::State& state) {
  const std::string& folder = TextProject();
  std::string file = fs::directory_iterator(fs::path(folder) / "displays")->path().string();
  double syncSeconds = 0;
  for (auto _ : state) {
    EditOneElement(file);
    auto start = Clock::now();
    SyncResult sync = SyncTextProject(folder);
    syncSeconds += Since(start);
    auto store = Connection::Open(sync.database);
    DefaultHost host(*store);
    clsDownload compiler(host);
    ProjectCompile(compiler, host, *store).Run({});
    state.SetIterationTime(Since(start));
    if (sync.filesRead != 1 || sync.rowsChanged != 1) state.SkipWithError("the edit was not read alone");
  }
  state.counters["elements"] = static_cast<double>(kSize.Elements());
  state.counters["sync_ms"] = 1000.0 * syncSeconds / static_cast<double>(state.iterations());
}

void BM_TextProjectWholeExportAndImport(benchmark::State& state) {
  auto conn = Connection::Open(TemplateProject(kSize));
  std::string folder = (fs::temp_directory_path() / "brisklet-bench-text-whole").string();
  double exportSeconds = 0;
  for (auto _ : state) {
    fs::remove_all(folder);
    auto start = Clock::now();
    WriteFolder(folder, WriteTextForm(ReadDesign(*conn)));
    exportSeconds += Since(start);
    auto imported = Connection::Create(folder + ".db");
    ImportTextForm(*imported, ReadFolder(folder));
    state.SetIterationTime(Since(start));
    imported.reset();
    fs::remove(folder + ".db");
  }
  fs::remove_all(folder);
  state.counters["elements"] = static_cast<double>(kSize.Elements());
  state.counters["export_ms"] = 1000.0 * exportSeconds / static_cast<double>(state.iterations());
}

BENCHMARK(BM_TextProjectOneElementEdit)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_TextProjectWholeExportAndImport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace brisklet::bench
