// Where a text is anchored inside its frame: the frame's margin taken off each side, then
// the corner, edge middle or centre the alignment (0 to 8, row by row) names.
#pragma once
#include <cstdint>

namespace brisklet {

void GetTextAnchorPoint(int32_t x, int32_t y, int32_t w, int32_t h, int32_t& outX, int32_t& outY, int32_t alignment,
                        int32_t frameStyle);

}  // namespace brisklet
