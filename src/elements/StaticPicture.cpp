// Static pictures "PS" (Type 3) and "PM" (VarType 20), 16 bytes: tag and image placement
// block of the element's image 0.
#include "base/ByteWriter.h"
#include "elements/ElementCompiler.h"
#include "encoding/ImageEncoding.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileStaticPicture(Recordset& row, std::string_view tag) {
  int32_t id = row.Long("ID");
  int32_t crc = GetImageCrc(id, 0);
  int32_t number = prvImageNumber(crc);
  int32_t transparency = GetImageTransparency(id, 0);
  ByteWriter out;
  out.tag(tag).bytes(EncodeImageBlock(row.Long("Xs"), row.Long("Ys"), number, crc, transparency, -1, -1), "image");
  return out.take();
}

}  // namespace brisklet
