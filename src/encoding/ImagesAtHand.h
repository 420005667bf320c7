// An element's picture rows read ahead with its element row: while it is built on this
// thread, GetImageCrc and GetImageTransparency answer from them in place of a query each.
#pragma once
#include <cstdint>
#include <vector>

#include "database/Value.h"

namespace brisklet {

struct ElementImages {
  struct Row {
    int64_t index;  // Image_Index
    Value crc;      // Image_CRC as stored
    Value transparency;
  };
  int32_t elementId = 0;
  std::vector<Row> rows;  // all of its rows: none means the element has no picture

  // The row of that image index, or null.
  const Row* Find(int32_t index) const;
};

class ImagesAtHand {
 public:
  explicit ImagesAtHand(const ElementImages* images);
  ~ImagesAtHand();
  ImagesAtHand(const ImagesAtHand&) = delete;
  ImagesAtHand& operator=(const ImagesAtHand&) = delete;
  // The rows of that element, if this thread has them at hand; null when it must ask.
  static const ElementImages* For(int32_t elementId);

 private:
  const ElementImages* mOuter;
};

}  // namespace brisklet
