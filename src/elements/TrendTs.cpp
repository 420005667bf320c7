// Trend graph "TS": a trend drawn from operands of its own instead of the trends tree. A
// 238-byte main block, one 30-byte block per entry in the order of the element's entry list,
// and a closing operand: 246 + 30 n bytes for n entries.
//
// Main block:                                Entry block:
//  OFFSET SIZE DESCRIPTION                    OFFSET SIZE DESCRIPTION
//   0      2   tag                             0      8   operand 1
//   2     40   reserved                        8      1   setting
//  42      1   fixed 1                         9      1   reserved
//  43      1   fixed 101                      10      8   operand 2
//  44      8   operand A                      18      2   reserved
//  52      4   reserved                       20      8   operand 3
//  56      8   operand B                      28      2   reserved
//  64      1   setting 1
//  65      1   reserved
//  66      4   plot position (part 7)
//  70      2   plot width (part 7)
//  72      2   plot height (part 8)
//  74      2   points shown
//  76      2   X ticks
//  78      2   Y ticks
//  80      2   settings 2, 3
//  82      1   reserved
//  83      3   settings 4, 5, 6
//  86     12   frame block (part 9)
//  98     26   button block ">" (part 6)
// 124     26   button block "<" (part 5)
// 150     12   panel block (part 11)
// 162     26   button block "G" (part 10)
// 188     12   frame block (part 3)
// 200     12   frame block (part 4)
// 212      1   setting 7 + 6
// 213      1   point spacing
// 214     12   frame block (part 0)
// 226     12   frame block (part 1)
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/TrendBlocks.h"
#include "encoding/OperandEncoding.h"

namespace brisklet {
namespace {

Bytes EntryBlock(const TsEntryProperties& entry) {
  ByteWriter out;
  out.bytes(EncodeOperand(entry.GetEntryOperand1Type(), entry.GetEntryOperand1Addr()), "operand 1")
      .u8(CByte(entry.GetEntrySetting(), "GetEntrySetting"), "setting")
      .u8(0, "reserved")
      .bytes(EncodeOperand(entry.GetEntryOperand2Type(), entry.GetEntryOperand2Addr()), "operand 2")
      .zeros(2, "reserved")
      .bytes(EncodeOperand(entry.GetEntryOperand3Type(), entry.GetEntryOperand3Addr()), "operand 3")
      .zeros(2, "reserved");
  return out.take();
}

}  // namespace

Bytes ElementCompiler::prvCompileTrendTs(Recordset& row, std::string_view tag) {
  TsTrendProperties trend;
  trend.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  TrendLayout layout(row, trend.GetPartRect());
  auto warn = [&](int32_t rule, const std::string& message) {
    prvReportMessage({rule, kSeverityWarning, row.Long("ModuleID"), row.Str("DisplayName"), message,
                      row.Long("DisplayID"), ElementOfRow(row, row.Str("Text"))});
  };
  PartRect plot = layout.Part(7);
  int32_t plotHeight = layout.Part(8).h();
  int32_t buttonColour = trend.GetButtonColor(), labelColour = trend.GetLabelColor();

  ByteWriter out;
  out.tag(tag)
      .zeros(40, "reserved")
      .u8(1, "constant 1")
      .u8(101, "constant 101")
      .bytes(EncodeOperand(trend.GetOperandAType(), trend.GetOperandAAddr()), "operand A")
      .zeros(4, "reserved")
      .bytes(EncodeOperand(trend.GetOperandBType(), trend.GetOperandBAddr()), "operand B")
      .u8(CByte(trend.GetTsSetting1(), "GetTsSetting1"), "setting 1")
      .u8(0, "reserved")
      .i32(layout.Position(plot), "plot position")
      .u16(Low16(plot.w()), "plot width")
      .u16(Low16(plotHeight), "plot height")
      .u16(Low16(PointsShown(plot.w(), trend.GetPointSpacing())), "points shown");
  bool reduced = false;
  out.u16(Low16(LimitedTicks(trend.GetXTicks(), plot.w(), reduced)), "X ticks");
  if (reduced) warn(kRuleTrendXTicksReduced, XTicksWarning(row.Str("Text")));
  out.u16(Low16(LimitedTicks(trend.GetYTicks(), plotHeight, reduced)), "Y ticks");
  if (reduced) warn(kRuleTrendYTicksReduced, YTicksWarning(row.Str("Text")));
  out.u8(CByte(trend.GetTsSetting2(), "GetTsSetting2"), "setting 2")
      .u8(CByte(trend.GetTsSetting3(), "GetTsSetting3"), "setting 3")
      .u8(0, "reserved")
      .u8(CByte(trend.GetTsSetting4(), "GetTsSetting4"), "setting 4")
      .u8(CByte(trend.GetTsSetting5(), "GetTsSetting5"), "setting 5")
      .u8(CByte(trend.GetTsSetting6(), "GetTsSetting6"), "setting 6")
      .bytes(layout.FrameBlock(9), "part 9 frame")
      .bytes(layout.ButtonBlock(6, ">", buttonColour, labelColour), "part 6 button")
      .bytes(layout.ButtonBlock(5, "<", buttonColour, labelColour), "part 5 button")
      .bytes(layout.PanelBlock(11, trend.GetPanelColor()), "part 11 panel")
      .bytes(layout.ButtonBlock(10, "G", buttonColour, labelColour), "part 10 button")
      .bytes(layout.FrameBlock(3), "part 3 frame")
      .bytes(layout.FrameBlock(4), "part 4 frame")
      .u8(CByte(int64_t{trend.GetTsSetting7()} + 6, "GetTsSetting7 + 6"), "setting 7")
      .u8(CByte(trend.GetPointSpacing(), "GetPointSpacing"), "point spacing")
      .bytes(layout.FrameBlock(0), "part 0 frame")
      .bytes(layout.FrameBlock(1), "part 1 frame");
  for (const TsEntryProperties& entry : trend.GetEntries()) out.bytes(EntryBlock(entry), "entry");
  out.bytes(EncodeOperand(trend.GetClosingOperandType(), trend.GetClosingOperandAddr()), "closing operand");
  return out.take();
}

}  // namespace brisklet
