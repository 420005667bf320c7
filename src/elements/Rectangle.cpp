// Rectangle "RC", 36 bytes: the four edges as box blocks.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "RC"
//   2      1   colour (ColorFore)
//   3      1   pen width
//   4      8   top edge     box (Xs, Ys, Dx, 0)
//  12      8   right edge   box (Xs + Dx - PW, Ys, 0, Dy)
//  20      8   bottom edge  box (Xs, Ys + Dy - PW, Dx, 0)
//  28      8   left edge    box (Xs, Ys, 0, Dy)
#include "base/ByteWriter.h"
#include "elements/ElementCompiler.h"
#include "encoding/GeometryEncoding.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileRectangle(Recordset& row, std::string_view tag) {
  ByteWriter out;
  out.tag(tag)
      .u8(row.Field("ColorFore").ToByte("ColorFore"), "colour")
      .u8(row.Field("PenWidth").ToByte("PenWidth"), "pen width");
  int64_t pw = row.Long("PenWidth");
  out.bytes(EncodeBoxBlock(row.Long("Xs"), row.Long("Ys"), row.Long("Dx"), 0), "top edge")
      .bytes(
          EncodeBoxBlock(CheckedAdd(int64_t{row.Long("Xs")} + row.Long("Dx"), -pw), row.Long("Ys"), 0, row.Long("Dy")),
          "right edge")
      .bytes(
          EncodeBoxBlock(row.Long("Xs"), CheckedAdd(int64_t{row.Long("Ys")} + row.Long("Dy"), -pw), row.Long("Dx"), 0),
          "bottom edge")
      .bytes(EncodeBoxBlock(row.Long("Xs"), row.Long("Ys"), 0, row.Long("Dy")), "left edge");
  return out.take();
}

}  // namespace brisklet
