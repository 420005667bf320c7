// Progress of a long command on a terminal: after about a second, one line on stderr that is
// rewritten in place ("compiling: 1200 of 5000 items, 3.1 s, about 10 s left") and cleared at the end. Nothing
// is shown when stderr is not a terminal (a pipe, a file) or when asked not to.
#pragma once
#include <chrono>
#include <cstdint>
#include <string>

namespace brisklet::cli {

// ", about 10 s left" at the pace of the last `seconds` in which `done` items were done ("" in
// the first second, or when nothing is left).
std::string TimeLeft(int64_t done, int64_t left, double seconds);

class ProgressLine {
 public:
  // what: "compiling"; unit: "items". Shown only when `enabled` and stderr is a terminal.
  ProgressLine(std::string what, std::string unit, bool enabled = true);
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;
  void Update(int64_t done, int64_t total);

 private:
  using Clock = std::chrono::steady_clock;
  std::string mWhat, mUnit;
  bool mEnabled;
  bool mShown = false;
  Clock::time_point mStart = Clock::now();
  Clock::time_point mLast{};
  // The first item counted, where the pace is measured from (a compile prepares before it).
  Clock::time_point mFirst{};
  int64_t mFirstDone = -1;
};

}  // namespace brisklet::cli
