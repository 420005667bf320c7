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

 protected:
  Decompressor() = default;
};

}  // namespace brisklet
