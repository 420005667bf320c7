// Default decompressor: project image data (ProjectImages.Data8bpp) is zlib-compressed.
#pragma once
#include "host/Decompressor.h"

namespace brisklet {

class ZlibDecompressor : public Decompressor {
 public:
  // No image unpacks to more than this: a stream that would is refused, its first bytes too;
  // inflating stops at this bound, which so bounds the work besides the memory.
  static constexpr size_t kMaxImageBytes = size_t{64} << 20;
  void Uncompress(const Bytes& input, Bytes& output, bool flag, int32_t& status) override;
  void UncompressPrefix(const Bytes& input, size_t count, Bytes& output, int32_t& status) override;
};

}  // namespace brisklet
