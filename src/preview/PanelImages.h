// The project's pictures as the panel draws them: 8-bit pixels, row by row, through the panel's
// colours, read from ProjectImages by CRC and unpacked once per preview.
#pragma once
#include <cstdint>
#include <map>
#include <optional>

#include "base/Bytes.h"
#include "preview/Canvas.h"

namespace brisklet {

class Connection;

class PanelImages {
 public:
  explicit PanelImages(Connection& db) : mDb(db) {}

  // Draws the picture of that CRC from the box's top-left corner, `box.width` pixels a row and
  // at most `box.height` rows (0: as many as the pixels make, the last one as far as they go);
  // pixels of the key colour are left out. False when the project has no pixels for it or they
  // are not 8-bit ones.
  bool Draw(Canvas& canvas, int32_t crc, const Box& box, std::optional<uint8_t> key);

 private:
  const Bytes& PixelsOf(int32_t crc);
  Connection& mDb;
  std::map<int32_t, Bytes> mPixels;
};

}  // namespace brisklet
