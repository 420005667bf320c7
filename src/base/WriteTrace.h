// What the byte writers of a thread wrote, field by field, while a trace is attached: where each
// write lies in its writer's bytes, how long it is and what its label calls it.
//
// Names follow the record's parts: a writer that begins with a tag (or with bytes that began
// with one) names its writes after it ("\"VT\" touch kind"); bytes appended from another traced
// writer bring that writer's writes along, named under the label of the append ("normal width"),
// unless they began with a tag of their own.
#pragma once
#include <string>
#include <vector>

#include "base/Bytes.h"

namespace brisklet {

struct TracedWrite {
  size_t offset = 0;
  size_t size = 0;
  std::string name;
};

class WriteTrace {
 public:
  // Attaches the trace to this thread until it is destroyed (traces do not nest).
  WriteTrace();
  ~WriteTrace();
  WriteTrace(const WriteTrace&) = delete;
  WriteTrace& operator=(const WriteTrace&) = delete;

  // The trace attached to this thread, or null (the byte writers' one check per write).
  static WriteTrace* Attached() { return tAttached; }

  // A writer's finished bytes, the part its tag opened ("" when none) and its writes.
  struct Written {
    Bytes bytes;
    std::string part;
    std::vector<TracedWrite> writes;
  };
  // The writer that finished last with exactly these bytes, or null.
  const Written* Find(const Bytes& bytes) const;
  void Add(Written written) { mWritten.push_back(std::move(written)); }

 private:
  static thread_local WriteTrace* tAttached;
  std::vector<Written> mWritten;
};

}  // namespace brisklet
