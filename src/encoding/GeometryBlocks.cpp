// Pixel offsets, geometry, box and line blocks.
#include "base/ByteWriter.h"
#include "base/RuntimeError.h"
#include "encoding/GeometryEncoding.h"
#include "host/HostFactory.h"

namespace brisklet {

int32_t ScreenWidth() {
  int32_t reserved = 0;
  return CurrentHost().NewScreenInfo()->GetScreenWidth(reserved);
}

int32_t PixelOffset(int64_t x, int64_t y) { return CheckedAdd(CheckedMul(y, ScreenWidth()), x); }

uint8_t CompanionColorByte(int32_t colour) {
  int32_t companion = 0;
  CurrentHost().NewColorService()->GetCompanionColor(1, colour, companion);
  return CByte(companion, "companion colour");
}

// Geometry block, 12 bytes:
//  OFFSET SIZE DESCRIPTION
//   0      2   width (low 16 bits)
//   2      2   height (low 16 bits)
//   4      4   top-left pixel offset
//   8      1   colour (low byte, -1 gives FF)
//   9      1   companion colour
//  10      1   border width code
//  11      1   3D border flag
Bytes EncodeGeometryBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy, int32_t colour, int32_t borderWidth,
                          int32_t flag3D) {
  ByteWriter out;
  out.u16(Low16(dx), "width")
      .u16(Low16(dy), "height")
      .i32(PixelOffset(xs, ys), "position")
      .u8(static_cast<uint8_t>(colour & 0xFF), "colour")
      .u8(CompanionColorByte(colour), "companion colour")
      .u8(CByte(borderWidth, "border width"), "border width")
      .u8(CByte(flag3D, "3D flag"), "3D flag");
  return out.take();
}

// Box block, 8 bytes: width (2), height (2), top-left pixel offset (4).
Bytes EncodeBoxBlock(int64_t xs, int64_t ys, int64_t dx, int64_t dy) {
  ByteWriter out;
  out.u16(Low16(CheckedLong(dx, "width")), "width")
      .u16(Low16(CheckedLong(dy, "height")), "height")
      .i32(PixelOffset(xs, ys), "position");
  return out.take();
}

// Line block, 12 bytes: width or FFFF (2), height or FFFF (2), start offset (4), end offset (4).
Bytes EncodeLineBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy) {
  int32_t w = ScreenWidth();
  ByteWriter out;
  if (dx != 0 && dy != 0) {  // slanted: start stays, signs kept
    out.u16(0xFFFF, "width").u16(0xFFFF, "height");
  } else {
    if (dx < 0) xs = CheckedAdd(xs, dx), dx = CheckedLong(-int64_t{dx});
    if (dy < 0) ys = CheckedAdd(ys, dy), dy = CheckedLong(-int64_t{dy});
    out.u16(Low16(dx), "width").u16(Low16(dy), "height");
  }
  out.i32(PixelOffset(xs, ys), "start");
  if (int64_t{xs} + dx >= w) dx = CheckedLong(int64_t{w} - xs - 1);
  out.i32(PixelOffset(CheckedAdd(xs, dx), CheckedAdd(ys, dy)), "end");
  return out.take();
}

}  // namespace brisklet
