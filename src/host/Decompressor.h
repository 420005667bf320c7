// Unpacks the stored pixel data of project images.
#pragma once
#include <cstdint>

#include "database/Value.h"

namespace brisklet {

class Decompressor {
 public:
  virtual ~Decompressor() = default;
  // status 0 on success.
  virtual void Uncompress(const Bytes& input, Bytes& output, bool flag, int32_t& status) = 0;
  // The first `count` bytes (fewer when the data is shorter); the rest is unpacked and
  // dropped, so a stream that cannot be unpacked whole fails here too.
  virtual void UncompressPrefix(const Bytes& input, size_t count, Bytes& output, int32_t& status) {
    Uncompress(input, output, true, status);
    if (output.size() > count) output.resize(count);
  }

 protected:
  Decompressor() = default;
};

}  // namespace brisklet
