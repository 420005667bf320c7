// Ellipse "EL" (40 bytes) and rounded rectangle "RR" (42 bytes): one layout.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "EL" or "RR"
//   2      1   colour (ColorFore)
//   3      1   fixed FF
//   4      8   bounding box (Xs, Ys, Dx, Dy)
//  12     28   reserved ("RR": 30)
#include "base/ByteWriter.h"
#include "elements/ElementCompiler.h"
#include "encoding/GeometryEncoding.h"

namespace brisklet {
namespace {
Bytes BoundedShape(Recordset& row, std::string_view tag, size_t reserved) {
  ByteWriter out;
  out.tag(tag)
      .u8(row.Field("ColorFore").ToByte("ColorFore"), "colour")
      .u8(0xFF, "constant FF")
      .bytes(EncodeBoxBlock(row.Long("Xs"), row.Long("Ys"), row.Long("Dx"), row.Long("Dy")), "box")
      .zeros(reserved, "reserved");
  return out.take();
}
}  // namespace

Bytes ElementCompiler::prvCompileEllipse(Recordset& row, std::string_view tag) { return BoundedShape(row, tag, 28); }
Bytes ElementCompiler::prvCompileRoundRect(Recordset& row, std::string_view tag) { return BoundedShape(row, tag, 30); }

}  // namespace brisklet
