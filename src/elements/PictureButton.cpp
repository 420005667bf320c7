// Picture button "PB", 30 bytes: the button's two pictures, one per state, both at the
// element's top-left corner.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2     14   image placement block of picture 1
//  16     14   image placement block of picture 2
#include "base/ByteWriter.h"
#include "elements/ElementCompiler.h"
#include "elements/KindProperties.h"
#include "elements/PictureBlock.h"

namespace brisklet {

Bytes ElementCompiler::prvCompilePictureButton(Recordset& row, std::string_view tag) {
  ButtonProperties button;
  button.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  std::vector<PictureProperties> pictures = button.Image();
  PictureProperties first = Indexed(pictures, 1), second = Indexed(pictures, 2);
  ByteWriter out;
  out.tag(tag)
      .bytes(PicturePlacementBlock(row, first, prvImageNumber(first.ImageCrc())), "picture 1")
      .bytes(PicturePlacementBlock(row, second, prvImageNumber(second.ImageCrc())), "picture 2");
  return out.take();
}

}  // namespace brisklet
