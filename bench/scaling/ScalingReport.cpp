// How compile times grow with the project: for generated projects of 1,000 to 1,000,000
// elements, in the classic mix and in the mix of every element kind, the whole
// `brisklet compile` process for a full compile and after one element
// changed, the full compile in this process (and with its records built on the walk's own
// thread, for comparison) against its floor (reading the same input rows and writing the same
// units once with SQLite in one transaction), and peak memory. Writes
// the figures into the measured section of docs/performance.md.
//
//   brisklet_scaling [--sizes 1000,10000,100000,1000000] [--mixes classic,every-kind] [--runs 7]
//                    [--report docs/performance.md]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "Allocator.h"
#include "FloorWrite.h"
#include "GeneratedProjects.h"
#include "RawRead.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"

namespace brisklet::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct ToolRun {
  double ms;
  double peakMiB;
  int status;
};

// Starts a program with its output dropped and waits for it: wall time, peak memory.
ToolRun SpawnAndWait(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  auto start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    throw std::runtime_error("cannot run " + args[0]);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  double ms = MsSince(start);
  posix_spawn_file_actions_destroy(&actions);
  return {ms, static_cast<double>(usage.ru_maxrss) / 1024.0, status};
}

// One run of the tool. Linux gives a child the peak memory of the process it was started
// from, so the tool is started from a small process of its own (this program again, with
// --measured), which writes what it measured to a file.
ToolRun RunTool(const std::vector<std::string>& args) {
  std::string result = (fs::temp_directory_path() / ("brisklet-scaling-" + std::to_string(getpid()))).string();
  std::vector<std::string> measured = {fs::read_symlink("/proc/self/exe").string(), "--measured", result};
  measured.insert(measured.end(), args.begin(), args.end());
  SpawnAndWait(measured);
  ToolRun run{};
  std::ifstream(result) >> run.ms >> run.peakMiB >> run.status;
  fs::remove(result);
  return run;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

DefaultHostOptions Quiet() {
  DefaultHostOptions options;
  options.notice = [](const std::string&) {};
  return options;
}

struct Figures {
  std::string mix;
  int64_t elements = 0;
  double fullProcessMs = 0, fullPeakMiB = 0;
  double fullInProcessMs = 0, fullOneThreadMs = 0, floorReadMs = 0, floorWriteMs = 0;
  double oneElementMs = 0, oneElementMaxMs = 0, oneElementPeakMiB = 0;
};

// A full CompileHMI of the project at path, its records built on a second thread or not.
double CompileInProcess(const std::string& path, bool buildAhead) {
  auto conn = Connection::Open(path);
  DefaultHost host(*conn, Quiet());
  clsDownload compiler(host);
  compiler.SetBuildAhead(buildAhead);
  auto start = Clock::now();
  compiler.CompileHMI();
  return MsSince(start);
}

// The floor on a fresh copy: read every input row once, write the units the compile wrote.
void MeasureFloor(ProjectSize size, const std::vector<StoredUnit>& units, double& readMs, double& writeMs) {
  auto conn = Connection::Open(FreshCopy(size));
  auto start = Clock::now();
  conn->BeginTransaction();
  ReadElementsAndDisplays(conn->Handle());
  readMs = MsSince(start);
  auto write = Clock::now();
  WriteUnits(conn->Handle(), units);
  conn->Commit();
  writeMs = MsSince(write);
}

// A full CompileHMI in this process on one thread once, then as it runs and its floor in turns,
// kInProcessRounds times, each on a fresh copy. A single pair of runs differs by up to a tenth
// from the next; taken in turns, a slower or faster spell of the machine falls on both, and
// the medians are reported.
constexpr int kInProcessRounds = 3;

void MeasureInProcess(ProjectSize size, Figures& f) {
  f.fullOneThreadMs = CompileInProcess(FreshCopy(size), false);
  std::vector<StoredUnit> units;
  std::vector<double> full, reads, writes, floors;
  for (int round = 0; round < kInProcessRounds; ++round) {
    std::string path = FreshCopy(size);
    full.push_back(CompileInProcess(path, true));
    if (units.empty()) {
      auto conn = Connection::Open(path);
      units = ReadUnits(conn->Handle());
    }
    double readMs = 0, writeMs = 0;
    MeasureFloor(size, units, readMs, writeMs);
    reads.push_back(readMs);
    writes.push_back(writeMs);
    floors.push_back(readMs + writeMs);
  }
  f.fullInProcessMs = Median(full);
  // The read and write of the median floor, so that they add up to it.
  size_t median = static_cast<size_t>(std::find(floors.begin(), floors.end(), Median(floors)) - floors.begin());
  f.floorReadMs = reads[median];
  f.floorWriteMs = writes[median];
}

// The tool on a fresh copy (full), then `runs` times after one element changed (a different
// element each time, its bookkeeping row marked pending as an editor marks it).
void MeasureTool(const std::string& tool, ProjectSize size, int runs, Figures& f) {
  std::vector<double> full;
  for (int r = 0; r < (size.Elements() >= 1000000 ? 1 : 3); ++r) {
    std::string path = FreshCopy(size);
    ToolRun run = RunTool({tool, "compile", path});
    full.push_back(run.ms);
    f.fullPeakMiB = std::max(f.fullPeakMiB, run.peakMiB);
  }
  f.fullProcessMs = Median(full);
  std::string path = FreshCopy(size);
  RunTool({tool, "compile", path});
  std::vector<double> one;
  for (int r = 0; r < runs; ++r) {
    {
      auto conn = Connection::Open(path);
      int64_t id = 1 + (size.Elements() / (runs + 1)) * (r + 1);
      std::vector<Value> element{Value(id)};
      conn->Execute("UPDATE HMI_Elements SET Xs = Xs + 1 WHERE ID = ?", element);
      conn->Execute("UPDATE DownloadDLUs SET IsCompiled = 0 WHERE Guid = (SELECT GUID FROM HMI_Elements WHERE ID = ?)",
                    element);
    }
    ToolRun run = RunTool({tool, "compile", path});
    one.push_back(run.ms);
    f.oneElementMaxMs = std::max(f.oneElementMaxMs, run.ms);
    f.oneElementPeakMiB = std::max(f.oneElementPeakMiB, run.peakMiB);
  }
  f.oneElementMs = Median(one);
}

std::string Machine() {
  std::ifstream cpu("/proc/cpuinfo");
  std::string line, model = "unknown CPU";
  while (std::getline(cpu, line)) {
    if (line.rfind("model name", 0) == 0) {
      model = line.substr(line.find(':') + 2);
      break;
    }
  }
  double load[1] = {0};
  getloadavg(load, 1);
  std::ostringstream out;
  out << model << ", " << sysconf(_SC_NPROCESSORS_ONLN) << " cores, "
      << (sysconf(_SC_PHYS_PAGES) * sysconf(_SC_PAGE_SIZE)) / (1024 * 1024 * 1024) << " GiB; load average " << load[0]
      << " at the start";
  return out.str();
}

std::string Fixed(double v, int decimals = 0) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

std::string Report(const std::vector<Figures>& all, int runs) {
  char date[32];
  std::time_t now = std::time(nullptr);
  std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
  std::ostringstream out;
  out << "Measured by `brisklet_scaling` on " << date << ": " << Machine() << "; memory allocator " << AllocatorName()
      << ".\n\n"
      << "| Mix | Elements | Full compile, process | Full, in process (one thread) | Floor (read + write) | Full / floor "
         "(medians of " << kInProcessRounds << ") | "
         "One element changed, process (median of "
      << runs << ") | Slowest of those | Peak memory full / one |\n"
      << "|---|---|---|---|---|---|---|---|---|\n";
  for (const Figures& f : all) {
    double floor = f.floorReadMs + f.floorWriteMs;
    out << "| " << f.mix << " | " << f.elements << " | " << Fixed(f.fullProcessMs) << " ms | "
        << Fixed(f.fullInProcessMs) << " ms (" << Fixed(f.fullOneThreadMs) << ") | " << Fixed(floor) << " ms (" << Fixed(f.floorReadMs) << " + "
        << Fixed(f.floorWriteMs) << ") | " << Fixed(f.fullInProcessMs / floor, 2) << " | " << Fixed(f.oneElementMs)
        << " ms | " << Fixed(f.oneElementMaxMs) << " ms | " << Fixed(f.fullPeakMiB) << " / "
        << Fixed(f.oneElementPeakMiB) << " MiB |\n";
  }
  return out.str();
}

// Puts the text between the markers of the measured section, keeping the rest of the file.
void WriteSection(const std::string& file, const std::string& text) {
  const std::string begin = "<!-- brisklet_scaling: begin -->", end = "<!-- brisklet_scaling: end -->";
  std::ifstream in(file);
  std::stringstream whole;
  whole << in.rdbuf();
  std::string doc = whole.str();
  size_t from = doc.find(begin), to = doc.find(end);
  if (from == std::string::npos || to == std::string::npos || to < from) {
    throw std::runtime_error(file + " has no measured section (" + begin + " ... " + end + ")");
  }
  doc = doc.substr(0, from + begin.size()) + "\n" + text + doc.substr(to);
  std::ofstream(file) << doc;
}

}  // namespace
}  // namespace brisklet::bench

int main(int argc, char** argv) {
  using namespace brisklet::bench;
  if (argc > 3 && std::string(argv[1]) == "--measured") {
    ToolRun run = SpawnAndWait(std::vector<std::string>(argv + 3, argv + argc));
    std::ofstream(argv[2]) << run.ms << " " << run.peakMiB << " " << run.status << "\n";
    return 0;
  }
  std::vector<int64_t> sizes = {1000, 10000, 100000, 1000000};
  std::vector<std::string> mixes = {"classic", "every-kind"};
  int runs = 7;
  std::string report, tool = BRISKLET_TOOL;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string option = argv[i], value = argv[i + 1];
    if (option == "--sizes") {
      sizes.clear();
      std::stringstream list(value);
      for (std::string n; std::getline(list, n, ',');) sizes.push_back(std::stoll(n));
    } else if (option == "--mixes") {
      mixes.clear();
      std::stringstream list(value);
      for (std::string m; std::getline(list, m, ',');) mixes.push_back(m);
    } else if (option == "--runs") {
      runs = std::stoi(value);
    } else if (option == "--report") {
      report = value;
    } else if (option == "--tool") {
      tool = value;
    }
  }
  try {
    std::vector<Figures> all;
    for (const std::string& mix : mixes) {
      if (mix != "classic" && mix != "every-kind") throw std::runtime_error("unknown mix " + mix);
      for (int64_t elements : sizes) {
        ProjectSize size{static_cast<int32_t>(std::max<int64_t>(1, elements / 100)), 100,
                         mix == "classic" ? brisklet::GeneratorMix::Classic : brisklet::GeneratorMix::EveryKind};
        Figures f;
        f.mix = mix;
        f.elements = size.Elements();
        std::cerr << "measuring " << f.elements << " elements, " << mix << "\n";
        MeasureInProcess(size, f);
        MeasureTool(tool, size, runs, f);
        all.push_back(f);
      }
    }
    std::string text = Report(all, runs);
    std::cout << text;
    if (!report.empty()) WriteSection(report, text);
  } catch (const std::exception& e) {
    std::cerr << "brisklet_scaling: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
