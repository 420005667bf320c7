// Progress of a long command on a terminal.
#include "Progress.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace brisklet::cli {

std::string TimeLeft(int64_t done, int64_t left, double seconds) {
  if (done <= 0 || left <= 0 || seconds < 1) return "";
  long long time = std::llround(seconds * static_cast<double>(left) / static_cast<double>(done));
  if (time < 60) return ", about " + std::to_string(std::max(time, 1LL)) + " s left";
  return ", about " + std::to_string((time + 30) / 60) + " min left";
}

ProgressLine::ProgressLine(std::string what, std::string unit, bool enabled)
    : mWhat(std::move(what)), mUnit(std::move(unit)), mEnabled(enabled && isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
  if (mShown) std::fprintf(stderr, "\r\033[K");
}

void ProgressLine::Update(int64_t done, int64_t total) {
  if (!mEnabled) return;
  auto now = Clock::now();
  if (mFirstDone < 0) {
    mFirst = now;
    mFirstDone = done;
  }
  if (now - mStart < std::chrono::seconds(1) || now - mLast < std::chrono::milliseconds(100)) return;
  mLast = now;
  mShown = true;
  double seconds = std::chrono::duration<double>(now - mStart).count();
  std::fprintf(stderr, "\r\033[K%s: %lld of %lld %s, %.1f s%s", mWhat.c_str(), static_cast<long long>(done),
               static_cast<long long>(total), mUnit.c_str(), seconds,
               TimeLeft(done - mFirstDone, total - done, std::chrono::duration<double>(now - mFirst).count()).c_str());
  std::fflush(stderr);
}

}  // namespace brisklet::cli
