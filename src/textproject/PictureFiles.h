// A project picture as a PNG file a person can look at and edit, and back: the pixels, their
// width, and the packed form and CRC a picture gets in ProjectImages (docs/host-services.md).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Bytes.h"

namespace brisklet {

// A picture's pixels from the top-left, unpacked: one byte per pixel for 8 bits (a panel colour
// number), two for 16 bits (RGB565, low byte first), `width` pixels a row; the last row may be
// short.
struct Picture {
  int32_t bits = 8;
  uint32_t width = 0;
  Bytes pixels;
};

// The picture as PNG bytes (the same bytes for the same picture). A short last row is padded
// with transparent pixels. Bits other than 8 or 16, no pixels, a 16-bit picture with an odd
// number of bytes, no width, or a side above 32767 pixels are a RuntimeError.
std::string PngOfPicture(const Picture& picture);

// The picture of a PNG file at `bits` bits per pixel: 16 bits RGB565, 8 bits the nearest panel
// colour (a colour PngOfPicture writes comes back as the number it was written for). The
// transparent pixels at the end of the bottom row are padding and dropped. What is not a PNG,
// has no pixels or unpacks to more than a picture may hold is a RuntimeError naming
// `fileForErrors`.
Picture PictureOfPng(std::string_view pngBytes, int32_t bits, const std::string& fileForErrors);

// The width of a picture whose width is not known: the smallest divisor of `count` that is at
// least its square root (as square as the pixels allow, `count` itself for a prime); where that
// is wider than a PNG may be, the square root rounded up, with a short last row. 0 for none.
uint32_t WidthForPixels(size_t count);

// The pixels packed as ProjectImages.Data8bpp holds them: zlib's compress2 at its default level.
Bytes PackPixels(const Bytes& pixels);
// The CRC of a new picture: zlib's crc32 of its unpacked pixels, as a signed 32-bit number.
int32_t PictureCrc(const Bytes& pixels);

}  // namespace brisklet
