// The project's pictures as the panel draws them: 8-bit pixels through the panel's colours or
// 16-bit RGB565 ones, row by row, read from ProjectImages by CRC and unpacked once per preview.
#pragma once
#include <cstdint>
#include <map>
#include <optional>

#include "base/Bytes.h"
#include "preview/Canvas.h"

namespace brisklet {

class Connection;

// The two key colour bytes of an image block: for an 8-bit picture 255 and the colour number,
// for a 16-bit one the RGB565 value, low byte first.
struct PictureKey {
  uint8_t first = 255, second = 255;
};

class PanelImages {
 public:
  explicit PanelImages(Connection& db) : mDb(db) {}

  // Draws the picture of that CRC with its top-left corner at (x, y), its own width a row
  // (ProjectImages.Width when the project keeps one, else as square as its pixels allow, the
  // rule a picture file is written with), only its pixels inside `clip` (a clip of no width:
  // the whole canvas); the pixels of the key colour are left out. False, drawing nothing, when
  // the project has no pixels for it, or none of 8 or 16 bits.
  bool Draw(Canvas& canvas, int32_t crc, int32_t x, int32_t y, const Box& clip, std::optional<PictureKey> key);

  // The width a picture of `count` pixels is drawn with when the project keeps none: the
  // smallest divisor of `count` at least its square root (the square root rounded up where that
  // is wider than a picture may be).
  static uint32_t WidthForPixels(size_t count);

 private:
  struct Picture {
    int32_t bits = 0;
    uint32_t width = 0;
    Bytes pixels;
  };
  const Picture& PictureOf(int32_t crc);
  Connection& mDb;
  std::map<int32_t, Picture> mPictures;
};

}  // namespace brisklet
