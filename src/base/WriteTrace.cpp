// The trace of the byte writers.
#include "base/WriteTrace.h"

namespace brisklet {

thread_local WriteTrace* WriteTrace::tAttached = nullptr;

WriteTrace::WriteTrace() { tAttached = this; }

WriteTrace::~WriteTrace() { tAttached = nullptr; }

const WriteTrace::Written* WriteTrace::Find(const Bytes& bytes) const {
  for (auto w = mWritten.rbegin(); w != mWritten.rend(); ++w) {
    if (w->bytes == bytes) return &*w;
  }
  return nullptr;
}

}  // namespace brisklet
