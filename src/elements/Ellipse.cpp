// Ellipse "EL" (40 bytes) and rounded rectangle "RR" (42 bytes): one layout.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "EL" or "RR"
//   2      1   colour (ColorFore)
//   3      1   fixed FF
//   4      8   bounding box (Xs, Ys, Dx, Dy)
//  12     28   reserved ("RR": 30)
#include "component/clsDownload.h"
#include "encoding/ByteWriter.h"
#include "encoding/mdlServices.h"

namespace brisklet {
namespace {
Bytes BoundedShape(Recordset& row, const char* tag, size_t reserved) {
  ByteWriter out;
  out.tag(tag)                                                                             // tag
      .u8(row.Field("ColorFore").ToByte("ColorFore"))                                      // colour
      .u8(0xFF)                                                                            // fixed
      .bytes(EncodeBoxBlock(row.Long("Xs"), row.Long("Ys"), row.Long("Dx"), row.Long("Dy")))  // box
      .zeros(reserved);                                                                    // reserved
  return out.take();
}
}  // namespace

Bytes clsDownload::prvCompileEllipse(Recordset& row) { return BoundedShape(row, "EL", 28); }
Bytes clsDownload::prvCompileRoundRect(Recordset& row) { return BoundedShape(row, "RR", 30); }

}  // namespace brisklet
