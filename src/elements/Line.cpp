// Line "LI", 24 bytes.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "LI"
//   2      1   colour (ColorFore)
//   3      1   pen width
//   4     12   line block (Xs, Ys, Dx, Dy)
//  16      8   reserved
#include "base/ByteWriter.h"
#include "elements/ElementCompiler.h"
#include "encoding/GeometryEncoding.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileLine(Recordset& row, std::string_view tag) {
  ByteWriter out;
  out.tag(tag)
      .u8(row.Field("ColorFore").ToByte("ColorFore"), "colour")
      .u8(row.Field("PenWidth").ToByte("PenWidth"), "pen width")
      .bytes(EncodeLineBlock(row.Long("Xs"), row.Long("Ys"), row.Long("Dx"), row.Long("Dy")), "line")
      .zeros(8, "reserved");
  return out.take();
}

}  // namespace brisklet
