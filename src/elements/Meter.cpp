// Meter "MG", 46 bytes: a round gauge with a needle over the element's first image. Before
// the record is built the needle's sweep is checked against the element's rectangle.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2     14   image placement block (first image, at Xs, Ys)
//  16      1   setting
//  17      1   needle reach in pixels
//  18      1   needle width
//  19      1   reversed sweep
//  20      2   needle centre x (low 16 bits)
//  22      2   needle centre y (low 16 bits)
//  24      2   first angle, degrees 0..359
//  26      2   second angle
//  28      4   value 1
//  32      4   value 2
//  36      8   reserved
//  44      2   trailer FF FF
#include <algorithm>
#include <cmath>

#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/FirstImage.h"
#include "elements/MeterProperties.h"
#include "encoding/ImageEncoding.h"

namespace brisklet {
namespace {

constexpr double kPi = 3.14159265358979;

// The rectangle the needle's tip covers, widened by half the needle's width.
struct Sweep {
  int32_t minX, minY, maxX, maxY;

  void Visit(double angle, int32_t cx, int32_t cy, int32_t reach, int32_t needleWidth) {
    int32_t x = RoundedLong(cx + reach * std::cos(angle * kPi / 180), "needle x");
    int32_t y = RoundedLong(cy - reach * std::sin(angle * kPi / 180), "needle y");
    int32_t h = CheckedAdd(needleWidth, 1) / 2;
    minX = std::min(minX, CheckedAdd(x, -int64_t{h}));
    minY = std::min(minY, CheckedAdd(y, -int64_t{h}));
    maxX = std::max(maxX, CheckedLong(int64_t{x} + h - 1));
    maxY = std::max(maxY, CheckedLong(int64_t{y} + h - 1));
  }
};

// The sweep from the start of the arc down through each multiple of 90 degrees to its end:
// the points where the tip reaches its extremes. The box always holds the element's corner.
Sweep NeedleSweep(const MeterProperties& meter, int32_t xs, int32_t ys, int32_t cx, int32_t cy, int32_t reach) {
  Sweep box{xs, ys, xs, ys};
  double middle = CheckedAdd(90, -int64_t{meter.GetArcRotation()});
  double half = meter.GetArcSpan() / 2.0;
  for (double a = middle + half; a > middle - half;) {
    box.Visit(a, cx, cy, reach, meter.GetNeedleWidth());
    int32_t k = RoundedLong(a, "needle angle") % 90;  // the remainder keeps the angle's sign
    a -= k == 0 ? 90 : k;
  }
  box.Visit(middle - half, cx, cy, reach, meter.GetNeedleWidth());
  return box;
}

// A negative angle once turned a full circle.
int32_t Corrected(int32_t angle) { return angle < 0 ? angle + 360 : angle; }

}  // namespace

Bytes ElementCompiler::prvCompileMeter(Recordset& row, std::string_view tag) {
  int32_t xs = row.Long("Xs"), ys = row.Long("Ys");
  int32_t crc = FirstImageCrc(row.Long("ID"));
  Bytes image = EncodeImageBlock(xs, ys, prvImageNumber(crc), crc, 0, -1, -1);

  MeterProperties meter;
  meter.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  int32_t cx = CheckedAdd(xs, meter.GetNeedleCenterX()), cy = CheckedAdd(ys, meter.GetNeedleCenterY());
  double product = CheckedMul(meter.GetNeedleScale(), meter.GetNeedlePercent());
  uint8_t reach = CByte(RoundHalfEven(product / 100), "needle reach");
  Sweep box = NeedleSweep(meter, xs, ys, cx, cy, reach);
  if (box.maxX >= int64_t{xs} + row.Long("Dx") || box.maxY >= int64_t{ys} + row.Long("Dy") || box.minX < xs ||
      box.minY < ys) {
    prvReportMessage({kRuleMeterNeedleOutside, kSeverityError, row.Long("ModuleID"), row.Str("DisplayName"),
                      row.Str("Text") + " has the meter needle exceeding var boundaries.", row.Long("DisplayID"),
                      ElementOfRow(row, row.Str("Text"))});
    return {};
  }

  int32_t middle = CheckedAdd(90, -int64_t{meter.GetArcRotation()});
  int32_t high = CheckedAdd(middle, meter.GetArcSpan() / 2), low = CheckedAdd(middle, -(meter.GetArcSpan() / 2));
  bool reversed = meter.GetSweepReversed() != 0;
  ByteWriter out;
  out.tag(tag)
      .bytes(image, "image")
      .u8(CByte(meter.GetMeterSetting(), "GetMeterSetting"), "setting")
      .u8(reach, "needle reach")
      .u8(CByte(meter.GetNeedleWidth(), "GetNeedleWidth"), "needle width")
      .u8(CByte(meter.GetSweepReversed(), "GetSweepReversed"), "reversed")
      .u16(Low16(cx), "centre x")
      .u16(Low16(cy), "centre y")
      .u16(Low16(Corrected(reversed ? low : high)), "first angle")
      .u16(Low16(Corrected(reversed ? high : low)), "second angle")
      .i32(meter.GetMeterValue1(), "value 1")
      .i32(meter.GetMeterValue2(), "value 2")
      .zeros(8, "reserved")
      .u16(0xFFFF, "trailer");
  return out.take();
}

}  // namespace brisklet
