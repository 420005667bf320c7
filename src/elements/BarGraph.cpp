// Bar graph "BG", 26 bytes: two settings and two operands the panel draws the bar from.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   reserved
//   3      1   setting 1, counted from 1 in the project and from 0 here
//   4      1   setting 2
//   5      1   reserved
//   6      8   first operand
//  14      8   second operand
//  22      4   trailer FF FF FF FF
#include "base/ByteWriter.h"
#include "elements/BarGraphProperties.h"
#include "elements/ElementCompiler.h"
#include "encoding/OperandEncoding.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileBarGraph(Recordset& row, std::string_view tag) {
  BarGraphProperties bar;
  bar.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  ByteWriter out;
  out.tag(tag)
      .u8(0, "reserved")
      .u8(CByte(int64_t{bar.GetBarSetting1()} - 1, "GetBarSetting1 - 1"), "setting 1")
      .u8(CByte(bar.GetBarSetting2(), "GetBarSetting2"), "setting 2")
      .u8(0, "reserved")
      .bytes(EncodeOperand(bar.GetBarOperand1Type(), bar.GetBarOperand1Addr()), "first operand")
      .bytes(EncodeOperand(bar.GetBarOperand2Type(), bar.GetBarOperand2Addr()), "second operand")
      .u32(0xFFFFFFFF, "trailer");
  return out.take();
}

}  // namespace brisklet
