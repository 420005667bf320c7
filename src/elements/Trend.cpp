// Trend graph "TR": up to eight curves of one trend of the project's trends tree, in a plot
// with scroll and mode buttons. A 222-byte trend block, then one 54-byte block per curve, in
// the order of the element's curve list.
//
// Trend block:                               Curve block:
//  OFFSET SIZE DESCRIPTION                    OFFSET SIZE DESCRIPTION
//   0      2   tag                             0      1   curve position 1..8 in its trend
//   2     20   reserved                        1      1   decimals (4 - DecimalBefore)
//  22      1   trend number                    2      8   curve variable operand
//  23      1   setting A                      10      1   curve setting
//  24      4   plot position (part 7)         11      1   reserved
//  28      2   plot width (part 7)            12      8   minimum
//  30      2   plot height (part 8)           20      2   reserved
//  32      2   points shown                   22      8   maximum
//  34      2   X ticks                        30      2   reserved
//  36      2   Y ticks                        32      1   storage kind (2 operand, 1 address, 0 name)
//  38      1   setting B                      33      1   reserved
//  39      1   setting C                      34     20   storage
//  40      7   reserved
//  47      3   settings D, E, F
//  50     12   frame block (part 9)
//  62     28   button block ">>" (part 6)
//  90     28   button block "<<" (part 5)
// 118     26   button block "M" (part 2)
// 144     26   button block "G" (part 10)
// 170     12   frame block (part 3)
// 182     12   frame block (part 4)
// 194      1   setting G + 6
// 195      1   point spacing
// 196     12   frame block (part 0)
// 208     12   frame block (part 1)
// 220      1   curve count
// 221      1   fixed 1
#include <algorithm>

#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/Queries.h"
#include "elements/TrendBlocks.h"
#include "encoding/FontLookups.h"
#include "encoding/OperandEncoding.h"
#include "encoding/TextEncoding.h"
#include "host/RecordsetAccess.h"

namespace brisklet {
namespace {

constexpr int32_t kConstantLong = 37;  // an operand type written by hand in the limits

// HistoryPoints of the first trend from the given number on, 0 when there is none.
int32_t prvGetHistoryLimit(int32_t trendNumber) {
  auto rs = GetRecordset(kSqlHistoryLimit + std::string("?"), {trendNumber}, 0, 3);
  int32_t points = rs->Eof() ? 0 : rs->Long("HistoryPoints");
  rs->Close();
  return points;
}

// A curve's minimum or maximum: type 37 as 37, value, 2; any other type as an operand.
Bytes EncodeCurveLimit(int32_t type, int32_t value) {
  if (type != kConstantLong) return EncodeOperand(type, value);
  ByteWriter out;
  out.u16(kConstantLong).i32(value).u16(2, "type, value, fixed 2");
  return out.take();
}

// The curve's name fitted into the plot's frame (part 9), 20 bytes: up to 18 characters,
// a zero, and where the name starts across the frame (1 to 255, 0 when left of it).
Bytes prvEncodeCurveName(const std::string& name, int32_t w, int32_t h) {
  std::string fitted = FitTextToFrame(0, 0, w, h, name, 0, 0);
  Bytes text = GetAnsiBytes(fitted);
  text.resize(std::min<size_t>(text.size(), 18));
  int32_t x = 0, y = 0;
  MeasureText(fitted, 0, 0, 0, w, h, x, y, 1, 0);
  ByteWriter out;
  out.bytes(text, "name")
      .zeros(18 - text.size(), "name end")
      .u8(0, "name end")
      .u8(static_cast<uint8_t>(x < 1 ? 0 : std::min(x, int32_t{255})), "name x");
  return out.take();
}

// The curve's row of the Curves table (none: every value 0).
struct CurveRow {
  int32_t decimalBefore = 0, minType = 0, minValue = 0, maxType = 0, maxValue = 0;
  int32_t storageType = 0, storageAddress = 0;
  bool found = false;
};

CurveRow ReadCurveRow(int32_t curveId) {
  auto rs = GetRecordset(kSqlCurve + std::string("?"), {curveId}, 0, 1);
  CurveRow c;
  if (rs->Eof()) return c;
  c.found = true;
  c.decimalBefore = rs->Long("DecimalBefore");
  c.minType = rs->Long("MinOprndType");
  c.minValue = rs->Long("MinValue");
  c.maxType = rs->Long("MaxOprndType");
  c.maxValue = rs->Long("MaxValue");
  c.storageType = rs->Long("StorageOprndType");
  c.storageAddress = rs->Long("StorageOprndAddress");
  return c;
}

// Storage kind and the 20 storage bytes: an operand, an address, or the curve's name.
Bytes CurveStorage(const CurveRow& c, const CurveProperties& curve, const PartRect& nameFrame) {
  ByteWriter out;
  if (c.storageType != 0) {
    out.u8(2, "storage kind")
        .u8(0, "reserved")
        .zeros(2, "reserved")
        .bytes(EncodeOperand(c.storageType, c.storageAddress), "storage operand")
        .zeros(10, "reserved");
  } else if (c.storageAddress >= 0) {
    out.u8(1, "storage kind").u8(0, "reserved").u16(Low16(c.storageAddress), "storage address").zeros(18, "reserved");
  } else {
    out.u8(0, "storage kind")
        .u8(0, "reserved")
        .bytes(prvEncodeCurveName(curve.GetCurveName(), nameFrame.w(), nameFrame.h()));
  }
  return out.take();
}

Bytes CurveBlock(const CurveProperties& curve, const PartRect& nameFrame) {
  int32_t id = curve.GetCurveId();
  CurveRow c = ReadCurveRow(id);
  ByteWriter out;
  out.u8(CByte((int64_t{id} - 1) % 8 + 1, "curve position"), "position")
      .u8(c.found ? CByte(4 - int64_t{c.decimalBefore}, "curve decimals") : 0, "decimals")
      .bytes(EncodeOperand(curve.GetCurveOperandType(), curve.GetCurveOperandAddr()), "variable")
      .u8(CByte(curve.GetCurveSetting(), "GetCurveSetting"), "setting")
      .u8(0, "reserved")
      .bytes(EncodeCurveLimit(c.minType, c.minValue), "minimum")
      .zeros(2, "reserved")
      .bytes(EncodeCurveLimit(c.maxType, c.maxValue), "maximum")
      .zeros(2, "reserved")
      .bytes(CurveStorage(c, curve, nameFrame));
  return out.take();
}

}  // namespace

Bytes ElementCompiler::prvCompileTrend(Recordset& row, std::string_view tag) {
  TrendProperties trend;
  trend.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  TrendLayout layout(row, trend.GetPartRect());
  auto report = [&](int32_t rule, int32_t severity, const std::string& message) {
    prvReportMessage({rule, severity, row.Long("ModuleID"), row.Str("DisplayName"), message, row.Long("DisplayID"),
                      ElementOfRow(row, row.Str("Text"))});
  };
  PartRect plot = layout.Part(7);
  int32_t plotHeight = layout.Part(8).h();
  int32_t buttonColour = trend.GetButtonColor(), labelColour = trend.GetButtonTextColor();

  ByteWriter out;
  out.tag(tag)
      .zeros(20, "reserved")
      .u8(CByte(trend.GetTrendNumber(), "GetTrendNumber"), "trend number")
      .u8(CByte(trend.GetTrendSettingA(), "GetTrendSettingA"), "setting A")
      .i32(layout.Position(plot), "plot position")
      .u16(Low16(plot.w()), "plot width")
      .u16(Low16(plotHeight), "plot height");
  int32_t points = PointsShown(plot.w(), trend.GetPointSpacing());
  if (points > prvGetHistoryLimit(trend.GetTrendNumber())) {
    report(kRuleTrendHistoryTooShort, kSeverityError,
           "The number of points to show on Trend: '" + row.Str("Text") +
               "' is higher than the Max number of points in history.");
  }
  out.u16(Low16(points), "points shown");
  bool reduced = false;
  out.u16(Low16(LimitedTicks(trend.GetXTicks(), plot.w(), reduced)), "X ticks");
  if (reduced) report(kRuleTrendXTicksReduced, kSeverityWarning, XTicksWarning(row.Str("Text")));
  out.u16(Low16(LimitedTicks(trend.GetYTicks(), plotHeight, reduced)), "Y ticks");
  if (reduced) report(kRuleTrendYTicksReduced, kSeverityWarning, YTicksWarning(row.Str("Text")));

  std::vector<CurveProperties> curves = trend.GetCurves();
  out.u8(CByte(trend.GetTrendSettingB(), "GetTrendSettingB"), "setting B")
      .u8(CByte(trend.GetTrendSettingC(), "GetTrendSettingC"), "setting C")
      .zeros(7, "reserved")
      .u8(CByte(trend.GetTrendSettingD(), "GetTrendSettingD"), "setting D")
      .u8(CByte(trend.GetTrendSettingE(), "GetTrendSettingE"), "setting E")
      .u8(CByte(trend.GetTrendSettingF(), "GetTrendSettingF"), "setting F")
      .bytes(layout.FrameBlock(9), "part 9 frame")
      .bytes(layout.ButtonBlock(6, ">>", buttonColour, labelColour), "part 6 button")
      .bytes(layout.ButtonBlock(5, "<<", buttonColour, labelColour), "part 5 button")
      .bytes(layout.ButtonBlock(2, "M", buttonColour, labelColour), "part 2 button")
      .bytes(layout.ButtonBlock(10, "G", buttonColour, labelColour), "part 10 button")
      .bytes(layout.FrameBlock(3), "part 3 frame")
      .bytes(layout.FrameBlock(4), "part 4 frame")
      .u8(CByte(int64_t{trend.GetTrendSettingG()} + 6, "GetTrendSettingG + 6"), "setting G")
      .u8(CByte(trend.GetPointSpacing(), "GetPointSpacing"), "point spacing")
      .bytes(layout.FrameBlock(0), "part 0 frame")
      .bytes(layout.FrameBlock(1), "part 1 frame")
      .u8(CByte(curves.size(), "curve count"), "curve count")
      .u8(1, "constant 1");
  for (const CurveProperties& curve : curves) out.bytes(CurveBlock(curve, layout.Part(9)), "curve");
  return out.take();
}

}  // namespace brisklet
