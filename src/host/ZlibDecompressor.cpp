// zlib inflate of a whole buffer, or of its first bytes only.
#include "host/ZlibDecompressor.h"

#include <zlib.h>

#include <algorithm>

namespace brisklet {

namespace {

// Inflates until the stream ends or `limit` bytes are out; Z_BUF_ERROR when the limit cut it.
int Inflate(const Bytes& input, size_t limit, Bytes& output) {
  output.clear();
  z_stream zs{};
  if (input.empty() || inflateInit(&zs) != Z_OK) return Z_DATA_ERROR;
  zs.next_in = const_cast<Bytef*>(input.data());
  zs.avail_in = static_cast<uInt>(input.size());
  uint8_t chunk[16384];
  int rc;
  do {
    zs.next_out = chunk;
    zs.avail_out = static_cast<uInt>(std::min(sizeof chunk, limit - output.size()));
    rc = inflate(&zs, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) break;
    output.insert(output.end(), chunk, zs.next_out);
  } while (rc != Z_STREAM_END && output.size() < limit);
  inflateEnd(&zs);
  if (rc == Z_STREAM_END) return 0;
  return rc == Z_OK ? Z_BUF_ERROR : rc;
}

}  // namespace

void ZlibDecompressor::Uncompress(const Bytes& input, Bytes& output, bool, int32_t& status) {
  status = Inflate(input, kMaxImageBytes + 1, output);
  if (status == 0 && output.size() > kMaxImageBytes) status = Z_MEM_ERROR;
  if (status != 0) output.clear();
}

void ZlibDecompressor::UncompressPrefix(const Bytes& input, size_t count, Bytes& output, int32_t& status) {
  status = Inflate(input, count, output);
  if (status == Z_BUF_ERROR && output.size() == count) status = 0;  // cut at the count, as asked
  if (status != 0) output.clear();
}

}  // namespace brisklet
