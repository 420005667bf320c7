// Positions as pixel offsets, the geometry, box and line blocks, and companion colours.
#pragma once
#include <cstdint>

#include "base/Bytes.h"
#include "base/TextAnchor.h"

namespace brisklet {

// The panel's width in pixels (the host's screen information).
int32_t ScreenWidth();
int32_t PixelOffset(int64_t x, int64_t y);
Bytes EncodeGeometryBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy, int32_t colour, int32_t borderWidth,
                          int32_t flag3D);
Bytes EncodeBoxBlock(int64_t xs, int64_t ys, int64_t dx, int64_t dy);
Bytes EncodeLineBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy);
uint8_t CompanionColorByte(int32_t colour);

}  // namespace brisklet
