// Operand picture list "PR", 4 + 30 n bytes: n pictures at the element's top-left corner,
// each with the two operands that go with it.
//
//  OFFSET        SIZE DESCRIPTION
//   0             2   tag
//   2             2   picture count n (low 16 bits)
//   4 + 30 (i-1)  8   first operand of picture i, i = 1 .. n
//  12 + 30 (i-1)  8   second operand of picture i
//  20 + 30 (i-1) 14   image placement block of picture i
#include "base/ByteWriter.h"
#include "elements/ElementCompiler.h"
#include "elements/PictureBlock.h"
#include "elements/PictureProperties.h"
#include "encoding/OperandEncoding.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileOperandPictureList(Recordset& row, std::string_view tag) {
  PictureListProperties list;
  list.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  std::vector<PictureProperties> pictures = list.ImageAt();
  ByteWriter out;
  out.tag(tag).u16(Low16(list.ImageCount()), "picture count");
  for (int32_t i = 1; i <= list.ImageCount(); ++i) {
    PictureProperties p = Indexed(pictures, i);
    out.bytes(EncodeOperand(p.FirstOperandType(), p.FirstOperandAddress()), "picture first operand")
        .bytes(EncodeOperand(p.SecondOperandType(), p.SecondOperandAddress()), "picture second operand")
        .bytes(PicturePlacementBlock(row, p, prvImageNumber(p.ImageCrc())), "picture");
  }
  return out.take();
}

}  // namespace brisklet
