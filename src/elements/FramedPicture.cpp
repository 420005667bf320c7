// Framed picture "TG", 52 bytes: a picture of the project's image list at the element's
// corner, a coloured frame inside it, and two operands.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2     14   image placement block (at Xs, Ys; transparency 255, key colour 6)
//  16     12   frame geometry block (at Xs + left, Ys + top, in ColorBack, no border, 3D flag 1)
//  28      2   reserved
//  30      1   setting
//  31      1   reserved
//  32      8   first operand
//  40      8   second operand
//  48      4   trailer FF FF FF FF
#include "base/ByteWriter.h"
#include "elements/ElementCompiler.h"
#include "elements/FramedPictureProperties.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/ImageEncoding.h"
#include "encoding/OperandEncoding.h"

namespace brisklet {
namespace {

// A frame value taken in single precision and added to the element's corner, rounded back to
// a whole number (values from 2^24 on lose their lowest bits).
int32_t SinglePrecisionSum(int32_t corner, int32_t value) {
  return RoundedLong(static_cast<double>(corner) + static_cast<double>(static_cast<float>(value)), "frame");
}

}  // namespace

Bytes ElementCompiler::prvCompileFramedPicture(Recordset& row, std::string_view tag) {
  FramedPictureProperties frame;
  frame.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  int32_t xs = row.Long("Xs"), ys = row.Long("Ys");
  int32_t crc = frame.GetFramePicture().ImageCrc();
  int32_t number = prvImageNumber(crc);
  ByteWriter out;
  out.tag(tag)
      .bytes(EncodeImageBlock(xs, ys, number, crc, 255, 6, -1), "image")
      .bytes(
          EncodeGeometryBlock(SinglePrecisionSum(xs, frame.GetFrameLeft()), SinglePrecisionSum(ys, frame.GetFrameTop()),
                              SinglePrecisionSum(0, frame.GetFrameWidth()),
                              SinglePrecisionSum(0, frame.GetFrameHeight()), row.Long("ColorBack"), 0, 1),
          "frame")
      .zeros(2, "reserved")
      .u8(CByte(frame.GetFrameSetting(), "GetFrameSetting"), "setting")
      .u8(0, "reserved")
      .bytes(EncodeOperand(frame.GetFrameOperand1Type(), frame.GetFrameOperand1Addr()), "first operand")
      .bytes(EncodeOperand(frame.GetFrameOperand2Type(), frame.GetFrameOperand2Addr()), "second operand")
      .u32(0xFFFFFFFF, "trailer");
  return out.take();
}

}  // namespace brisklet
