// Picture list "PL", 4 + 14 n bytes: n pictures at the element's top-left corner, of which
// the panel shows one.
//
//  OFFSET        SIZE DESCRIPTION
//   0             2   tag
//   2             2   picture count n (low 16 bits)
//   4 + 14 (i-1) 14   image placement block of picture i, i = 1 .. n
#include "base/ByteWriter.h"
#include "elements/ElementCompiler.h"
#include "elements/PictureBlock.h"
#include "elements/PictureProperties.h"

namespace brisklet {

Bytes ElementCompiler::prvCompilePictureList(Recordset& row, std::string_view tag) {
  PictureListProperties list;
  list.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  std::vector<PictureProperties> pictures = list.ImageAt();
  ByteWriter out;
  out.tag(tag).u16(Low16(list.ImageCount()), "picture count");
  for (int32_t i = 1; i <= list.ImageCount(); ++i) {
    PictureProperties picture = Indexed(pictures, i);
    out.bytes(PicturePlacementBlock(row, picture, prvImageNumber(picture.ImageCrc())), "picture");
  }
  return out.take();
}

}  // namespace brisklet
