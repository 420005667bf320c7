// Synthetic panel projects of any size, for `brisklet generate` and the benchmarks: a mix of
// the element kinds a real panel holds, a few deliberate design problems, everything pending.
#pragma once
#include <cstdint>
#include <functional>

namespace brisklet {

class Connection;

// Which elements a display holds: the shapes, texts, pictures and buttons of the first
// benchmarks (classic), or every element kind the compiler builds with the rows they read.
enum class GeneratorMix { Classic, EveryKind };

struct GeneratorOptions {
  int32_t displays = 10;            // 1 to kMaxGeneratedDisplays
  int32_t elementsPerDisplay = 20;  // 0 to kMaxElementsPerDisplay
  uint64_t seed = 1;                // the same seed gives the same project, row for row
  GeneratorMix mix = GeneratorMix::Classic;
};

// Told as the displays are made: displays done, displays in all.
using GeneratorProgress = std::function<void(int64_t, int64_t)>;

// Display GUIDs travel as 16-bit numbers in the page table; element GUIDs start above them.
constexpr int32_t kMaxGeneratedDisplays = 30000;
constexpr int32_t kMaxElementsPerDisplay = 10000;

struct GeneratorSummary {
  int64_t modules = 0;
  int64_t displays = 0;
  int64_t elements = 0;
  int64_t images = 0;
  int64_t jumps = 0;
};

// Fills a new, empty project database (as Connection::Create leaves it) in one transaction.
// Options out of range are a RuntimeError; nothing is written then.
GeneratorSummary GenerateProject(Connection& db, const GeneratorOptions& options,
                                 const GeneratorProgress& progress = {});

}  // namespace brisklet
