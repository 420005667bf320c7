// zlib inflate of a whole stream, keeping all of its bytes or only the first ones.
#include "host/ZlibDecompressor.h"

#include <zlib.h>

#include <algorithm>

namespace brisklet {

namespace {

// Inflates the whole stream, keeping its first `keep` bytes in `output`. 0 when the stream
// ends within kMaxImageBytes; zlib's error otherwise: Z_BUF_ERROR for a stream cut short,
// Z_MEM_ERROR for one that unpacks to more (inflating stops there, so the work is bounded by
// the input and kMaxImageBytes of output).
int Inflate(const Bytes& input, size_t keep, Bytes& output) {
  output.clear();
  z_stream zs{};
  if (input.empty() || inflateInit(&zs) != Z_OK) return Z_DATA_ERROR;
  zs.next_in = const_cast<Bytef*>(input.data());
  zs.avail_in = static_cast<uInt>(input.size());
  uint8_t chunk[16384];
  size_t total = 0;
  int rc;
  do {
    zs.next_out = chunk;
    zs.avail_out = sizeof chunk;
    rc = inflate(&zs, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) break;
    size_t got = static_cast<size_t>(zs.next_out - chunk);
    if (output.size() < keep) output.insert(output.end(), chunk, chunk + std::min(got, keep - output.size()));
    total += got;
    if (total > ZlibDecompressor::kMaxImageBytes) rc = Z_MEM_ERROR;
  } while (rc == Z_OK);
  inflateEnd(&zs);
  return rc == Z_STREAM_END ? 0 : rc;
}

}  // namespace

void ZlibDecompressor::Uncompress(const Bytes& input, Bytes& output, bool, int32_t& status) {
  status = Inflate(input, kMaxImageBytes, output);
  if (status != 0) output.clear();
}

void ZlibDecompressor::UncompressPrefix(const Bytes& input, size_t count, Bytes& output, int32_t& status) {
  status = Inflate(input, count, output);
  if (status != 0) output.clear();
}

}  // namespace brisklet
