// Projects built to hit a check or a tool where its cost could grow faster than its input:
// n elements of one display sharing one touch operand, n variables of one name, n elements
// each with a finding drawn by the preview. Each is timed at growing n and Google Benchmark
// fits the growth (BigO); every one should fit n or n log n, never n^2.
//
//   build/brisklet_bench --benchmark_filter=Corner
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"

namespace brisklet::bench {
namespace {

// A project in memory with one display and its compiler, and font 1 (6 pixels a character);
// notices are dropped.
struct OneDisplay {
  std::unique_ptr<Connection> db = Connection::CreateInMemory();
  DefaultHostOptions options = [] {
    DefaultHostOptions o;
    o.notice = [](const std::string&) {};
    return o;
  }();
  DefaultHost host{*db, options};
  clsDownload compiler{host};

  OneDisplay() {
    db->Execute(
        "INSERT INTO HMI_Palettes(ID, GUID) VALUES (1, 500);"
        "INSERT INTO DispModules(ModuleID, ModuleName) VALUES (1, 'Main');"
        "INSERT INTO Pages(Id, GUID, ModuleID, Description, PaletteID) VALUES (1, 100, 1, 'Crowded', 1);"
        "INSERT INTO tblFonts(FontNumber, PixelSize, LineHeight, Ascent) VALUES (1, 10, 10, 8);"
        "WITH RECURSIVE c(code) AS (SELECT 32 UNION ALL SELECT code + 1 FROM c WHERE code < 255) "
        "INSERT INTO tblFontGlyphs(FontNumber, Code, Advance) SELECT 1, code, 6 FROM c;");
  }
  // n elements on the display, the columns given by the text of a SELECT over the numbers
  // 1..n as `value` (a fixed text of this file, never user text).
  void AddElements(int64_t n, const std::string& columns, const std::string& values) {
    db->Execute(
        "WITH RECURSIVE k(value) AS (SELECT 1 UNION ALL SELECT value + 1 FROM k WHERE value < ?) "
        "INSERT INTO HMI_Elements(ID, GUID, DisplayID, " +
            columns + ") SELECT value, 10000 + value, 1, " + values + " FROM k",
        {Value(n)});
  }
};

// The checks of a first compile (every check walks the whole project) over n elements; with
// `booked`, every element and the display are pending too, so the compile builds their records.
void TimeFirstCompile(benchmark::State& state, const std::string& columns, const std::string& values,
                      bool booked = false) {
  for (auto _ : state) {
    state.PauseTiming();
    auto project = std::make_unique<OneDisplay>();
    project->AddElements(state.range(0), columns, values);
    if (booked) {
      project->db->Execute(
          "INSERT INTO DownloadDLUs(Guid, IsCompiled) SELECT GUID, 0 FROM HMI_Elements UNION SELECT GUID, 0 FROM "
          "Pages");
    }
    state.ResumeTiming();
    project->compiler.CompileHMI();
    state.counters["errors"] = project->compiler.ErrorCount();
    state.PauseTiming();
    project.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

void BM_CornerSharedTouchOperand(benchmark::State& state) {
  TimeFirstCompile(state, "Type, Dx, Dy, TouchOprndAddr", "1, 20, 20, 5");
}
BENCHMARK(BM_CornerSharedTouchOperand)
    ->RangeMultiplier(2)
    ->Range(500, 4000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

void BM_CornerSharedVariableName(benchmark::State& state) {
  TimeFirstCompile(state, "Type, VarType, Text, Dx, Dy", "5, 8, 'Speed', 40, 20");
}
BENCHMARK(BM_CornerSharedVariableName)
    ->RangeMultiplier(2)
    ->Range(500, 4000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// A display of n elements, one in 50 a string entry too small for its sample text: each message
// names the entry's place, which must not cost a read of the whole display each time (200
// entries on a display of 10,000 elements took 4.9 s before).
void BM_CornerTooSmallStringEntries(benchmark::State& state) {
  TimeFirstCompile(
      state, "Type, VarType, Dx, Dy, FontNumber, Text, Binary",
      "CASE WHEN value % 50 = 0 THEN 5 ELSE 1 END, CASE WHEN value % 50 = 0 THEN 19 ELSE 0 END, 40, 20, 1, "
      "'Batch', '{\"EntryStyle\":2,\"TextSource\":{\"SampleText\":\"Batch 0000000\"}}'",
      true);
}
BENCHMARK(BM_CornerTooSmallStringEntries)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// brisklet preview of one display whose n elements each have a finding (3D frames too small
// for it), as a whole tool run.
void BM_CornerPreviewOfManyFindings(benchmark::State& state) {
  std::string path = "/tmp/brisklet-bench-findings.db";
  {
    std::filesystem::remove(path);
    OneDisplay project;
    project.AddElements(state.range(0), "Type, Dx, Dy, Flat3D, Text", "1, 4, 4, 1, 'Pressure'");
    project.db->Execute("VACUUM INTO '" + path + "'");
  }
  std::string command = std::string(BRISKLET_TOOL) + " preview " + path +
                        " --display 1 -o /tmp/brisklet-bench-findings.png >/dev/null 2>&1";
  for (auto _ : state) benchmark::DoNotOptimize(std::system(command.c_str()));
  state.SetComplexityN(state.range(0));
  std::filesystem::remove(path);
  std::filesystem::remove("/tmp/brisklet-bench-findings.png");
}
BENCHMARK(BM_CornerPreviewOfManyFindings)
    ->RangeMultiplier(2)
    ->Range(1000, 8000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brisklet::bench
