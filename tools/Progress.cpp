// Progress of a long command on a terminal.
#include "Progress.h"

#include <unistd.h>

#include <cstdio>

namespace brisklet::cli {

ProgressLine::ProgressLine(std::string what, std::string unit, bool enabled)
    : mWhat(std::move(what)), mUnit(std::move(unit)), mEnabled(enabled && isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
  if (mShown) std::fprintf(stderr, "\r\033[K");
}

void ProgressLine::Update(int64_t done, int64_t total) {
  if (!mEnabled) return;
  auto now = Clock::now();
  if (now - mStart < std::chrono::seconds(1) || now - mLast < std::chrono::milliseconds(100)) return;
  mLast = now;
  mShown = true;
  double seconds = std::chrono::duration<double>(now - mStart).count();
  std::fprintf(stderr, "\r\033[K%s: %lld of %lld %s, %.1f s", mWhat.c_str(), static_cast<long long>(done),
               static_cast<long long>(total), mUnit.c_str(), seconds);
  std::fflush(stderr);
}

}  // namespace brisklet::cli
