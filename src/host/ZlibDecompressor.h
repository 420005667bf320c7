// Default decompressor: project image data (ProjectImages.Data8bpp) is zlib-compressed.
#pragma once
#include "host/Decompressor.h"

namespace brisklet {

class ZlibDecompressor : public Decompressor {
 public:
  void Uncompress(const Bytes& input, Bytes& output, bool flag, int32_t& status) override;
};

}  // namespace brisklet
