// The anchor point of a text inside its frame, by alignment.
#include "base/TextAnchor.h"

#include "base/ByteWriter.h"
#include "base/FrameMargin.h"

namespace brisklet {

void GetTextAnchorPoint(int32_t x, int32_t y, int32_t w, int32_t h, int32_t& outX, int32_t& outY, int32_t alignment,
                        int32_t frameStyle) {
  int32_t m = FrameMargin(frameStyle);
  int32_t x0 = CheckedAdd(x, m), y0 = CheckedAdd(y, m);
  int32_t w2 = CheckedAdd(w, -2 * m), h2 = CheckedAdd(h, -2 * m);
  int32_t cx = CheckedAdd(x0, w2 / 2), cy = CheckedAdd(y0, h2 / 2);
  int32_t right = CheckedAdd(x0, w2), bottom = CheckedAdd(y0, h2);
  outX = cx;
  outY = cy;
  switch (alignment) {
    case 0:
      outX = x0;
      outY = y0;
      break;
    case 1: outY = y0; break;
    case 2:
      outX = right;
      outY = y0;
      break;
    case 3: outX = x0; break;
    case 5: outX = right; break;
    case 6:
      outX = x0;
      outY = bottom;
      break;
    case 7: outY = bottom; break;
    case 8:
      outX = right;
      outY = bottom;
      break;
    default: break;  // 4 and anything else: centre
  }
}

}  // namespace brisklet
