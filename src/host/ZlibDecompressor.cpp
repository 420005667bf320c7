// zlib inflate of a whole buffer.
#include "host/ZlibDecompressor.h"

#include <zlib.h>

namespace brisklet {

void ZlibDecompressor::Uncompress(const Bytes& input, Bytes& output, bool, int32_t& status) {
  output.clear();
  z_stream zs{};
  if (input.empty() || inflateInit(&zs) != Z_OK) {
    status = Z_DATA_ERROR;
    return;
  }
  zs.next_in = const_cast<Bytef*>(input.data());
  zs.avail_in = static_cast<uInt>(input.size());
  uint8_t chunk[16384];
  int rc;
  do {
    zs.next_out = chunk;
    zs.avail_out = sizeof chunk;
    rc = inflate(&zs, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) break;
    output.insert(output.end(), chunk, chunk + (sizeof chunk - zs.avail_out));
  } while (rc != Z_STREAM_END);
  inflateEnd(&zs);
  status = rc == Z_STREAM_END ? 0 : (rc == Z_OK ? Z_BUF_ERROR : rc);
  if (status != 0) output.clear();
}

}  // namespace brisklet
