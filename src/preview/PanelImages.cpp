// Pictures unpacked with the project's decompressor and set pixel by pixel on the canvas.
#include "preview/PanelImages.h"

#include <algorithm>

#include "database/Connection.h"
#include "database/Recordset.h"
#include "host/ZlibDecompressor.h"
#include "preview/Queries.h"

namespace brisklet {
namespace {

constexpr uint32_t kMaxSide = 32767;  // the widest picture a picture file may hold

Rgb Rgb565(uint32_t v) {
  return {static_cast<uint8_t>(((v >> 11) & 31) * 255 / 31), static_cast<uint8_t>(((v >> 5) & 63) * 255 / 63),
          static_cast<uint8_t>((v & 31) * 255 / 31)};
}

}  // namespace

uint32_t PanelImages::WidthForPixels(size_t count) {
  if (count == 0) return 0;
  size_t root = 0, width = count;
  for (size_t d = 1; d * d <= count; ++d) {
    root = d;
    if (count % d == 0) width = count / d;
  }
  if (width > kMaxSide) width = root * root == count ? root : root + 1;
  return static_cast<uint32_t>(width);
}

const PanelImages::Picture& PanelImages::PictureOf(int32_t crc) {
  auto known = mPictures.find(crc);
  if (known != mPictures.end()) return known->second;
  Picture picture;
  Recordset rs(mDb, kSqlPreviewImage, {Value(crc)});
  if (!rs.Eof() && !rs.Field("Data8bpp").IsNull()) {
    picture.bits = rs.Long("Bits");
    int32_t status = 0;
    ZlibDecompressor().Uncompress(rs.Field("Data8bpp").ToBytes("Data8bpp"), picture.pixels, true, status);
    size_t bytes = picture.bits == 8 ? 1 : picture.bits == 16 ? 2 : 0;
    if (status != 0 || bytes == 0) picture.pixels.clear();
    picture.pixels.resize(picture.pixels.size() / std::max<size_t>(bytes, 1) * bytes);
    const Value* width = rs.HasField("Width") ? &rs.Field("Width") : nullptr;
    bool kept = width && width->IsNumber() && width->ToDouble() >= 1 && width->ToDouble() <= kMaxSide;
    picture.width = kept ? static_cast<uint32_t>(width->ToLong("Width"))
                         : WidthForPixels(picture.pixels.size() / std::max<size_t>(bytes, 1));
  }
  return mPictures.emplace(crc, std::move(picture)).first->second;
}

bool PanelImages::Draw(Canvas& canvas, int32_t crc, int32_t x, int32_t y, const Box& clip,
                       std::optional<PictureKey> key) {
  const Picture& picture = PictureOf(crc);
  if (picture.pixels.empty() || picture.width == 0) return false;
  Box inside = clip.width > 0 ? clip : Box{0, 0, canvas.Width(), canvas.Height()};
  size_t bytes = picture.bits / 8, count = picture.pixels.size() / bytes;
  std::optional<uint32_t> transparent;
  if (key && (bytes == 2 || key->first == 255)) transparent = bytes == 2 ? key->first | key->second << 8 : key->second;
  for (size_t i = 0; i < count; ++i) {
    int32_t px = x + static_cast<int32_t>(i % picture.width), py = y + static_cast<int32_t>(i / picture.width);
    if (px < inside.x || py < inside.y || px >= inside.x + inside.width || py >= inside.y + inside.height) continue;
    uint32_t v = picture.pixels[i * bytes];
    if (bytes == 2) v |= uint32_t{picture.pixels[i * bytes + 1]} << 8;
    if (transparent != v) canvas.Pixel(px, py, bytes == 2 ? Rgb565(v) : PanelColour(v));
  }
  canvas.PixelsDone();
  return true;
}

}  // namespace brisklet
