// Pictures unpacked with the project's decompressor and set pixel by pixel on the canvas.
#include "preview/PanelImages.h"

#include <algorithm>

#include "database/Connection.h"
#include "database/Recordset.h"
#include "host/ZlibDecompressor.h"
#include "preview/Queries.h"

namespace brisklet {
namespace {

constexpr int32_t kBitsPerPixel = 8;  // the only depth drawn: one palette colour a byte

}  // namespace

const Bytes& PanelImages::PixelsOf(int32_t crc) {
  auto known = mPixels.find(crc);
  if (known != mPixels.end()) return known->second;
  Bytes pixels;
  Recordset rs(mDb, kSqlPreviewImage, {Value(crc)});
  if (!rs.Eof() && rs.Long("Bits") == kBitsPerPixel && !rs.Field("Data8bpp").IsNull()) {
    int32_t status = 0;
    ZlibDecompressor().Uncompress(rs.Field("Data8bpp").ToBytes("Data8bpp"), pixels, true, status);
    if (status != 0) pixels.clear();
  }
  return mPixels.emplace(crc, std::move(pixels)).first->second;
}

bool PanelImages::Draw(Canvas& canvas, int32_t crc, const Box& box, std::optional<uint8_t> key) {
  const Bytes& pixels = PixelsOf(crc);
  if (pixels.empty() || box.width <= 0) return false;
  auto width = static_cast<size_t>(box.width);
  size_t count = pixels.size();
  if (box.height > 0) count = std::min(count, width * static_cast<size_t>(box.height));
  for (size_t y = 0; y * width < count; ++y) {
    for (size_t x = 0; x < width && y * width + x < count; ++x) {
      uint8_t colour = pixels[y * width + x];
      if (key != colour) {
        canvas.Pixel(box.x + static_cast<int32_t>(x), box.y + static_cast<int32_t>(y), PanelColour(colour));
      }
    }
  }
  return true;
}

}  // namespace brisklet
