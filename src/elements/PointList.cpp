// Point list "TM", 62 + 4 n bytes: n points drawn inside a coloured area with a font and two
// operands. An element too small for its drawing area is reported and gets no record.
//
//  OFFSET  SIZE DESCRIPTION
//   0       2   tag
//   2      14   image placement block (first image, at Xs + m, Ys + m; m the 3D margin)
//  16      12   area geometry block (at Xs + x + m, Ys + y + m, w x h, plot colour, 3D flag 1)
//  28       1   setting 1
//  29       1   setting 2
//  30       8   first operand
//  38       8   second operand
//  46       1   font index (low byte; 0 for an unknown font)
//  47       1   setting 3
//  48       1   point count n
//  49       1   reserved
//  50      4n   pixel offset of each point (Xs + m + X, Ys + m + Y)
//  50 + 4n 12   trailer, twelve bytes FF
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "base/FrameMargin.h"
#include "base/RuntimeError.h"
#include "elements/ElementCompiler.h"
#include "elements/FirstImage.h"
#include "elements/PointListProperties.h"
#include "encoding/FontLookups.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/ImageEncoding.h"
#include "encoding/OperandEncoding.h"

namespace brisklet {
namespace {

// The low byte of the font's index; 0 when the font is unknown.
uint8_t FontByte(int32_t fontNumber) {
  int32_t index = GetFontIndex(fontNumber);
  return index == -1 ? 0 : static_cast<uint8_t>(index & 0xFF);
}

// Coordinate i of a point; a point count beyond the coordinates is "Subscript out of range".
int32_t Coordinate(const std::vector<int32_t>& values, int32_t i, const char* axis) {
  if (static_cast<size_t>(i) >= values.size()) {
    throw RuntimeError("Subscript out of range",
                       std::string("GetPointCoordinates has no ") + axis + "(" + std::to_string(i) + ")");
  }
  return values[static_cast<size_t>(i)];
}

// The points' pixel offsets, from the element's inner corner (cx, cy).
Bytes PointOffsets(const PointListProperties& plot, int32_t count, int32_t cx, int32_t cy) {
  PointCoordinates points = plot.GetPointCoordinates();
  std::vector<int32_t> xs = points.X(), ys = points.Y();
  ByteWriter out;
  for (int32_t i = 0; i < count; ++i) {
    out.i32(PixelOffset(CheckedAdd(cx, Coordinate(xs, i, "X")), CheckedAdd(cy, Coordinate(ys, i, "Y"))), "point");
  }
  return out.take();
}

}  // namespace

Bytes ElementCompiler::prvCompilePointList(Recordset& row, std::string_view tag) {
  int32_t crc = FirstImageCrc(row.Long("ID"));
  int32_t number = prvImageNumber(crc);
  PointListProperties plot;
  plot.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  int32_t m = Frame3DInset(row.Long("Flat3D"));
  PartRect area = plot.GetPlotArea();  // for the font FontNumber and the element's VarOprndType
  if (area.x() < 0 || area.y() < 0 || area.w() <= 0 || area.h() <= 0) {
    prvReportMessage({kRulePointListTooSmall, kSeverityError, row.Long("ModuleID"), row.Str("DisplayName"),
                      row.Str("Text") + " is too small.", row.Long("DisplayID"), ElementOfRow(row, row.Str("Text"))});
    return {};
  }
  int32_t cx = CheckedAdd(row.Long("Xs"), m), cy = CheckedAdd(row.Long("Ys"), m);
  int32_t count = plot.GetPointCount();
  ByteWriter out;
  out.tag(tag)
      .bytes(EncodeImageBlock(cx, cy, number, crc, 0, -1, -1), "image")
      .bytes(EncodeGeometryBlock(CheckedAdd(cx, area.x()), CheckedAdd(cy, area.y()), area.w(), area.h(),
                                 plot.GetPlotColor(), 0, 1),
             "area")
      .u8(CByte(plot.GetPlotSetting1(), "GetPlotSetting1"), "setting 1")
      .u8(CByte(plot.GetPlotSetting2(), "GetPlotSetting2"), "setting 2")
      .bytes(EncodeOperand(plot.GetPlotOperand1Type(), plot.GetPlotOperand1Addr()), "first operand")
      .bytes(EncodeOperand(plot.GetPlotOperand2Type(), plot.GetPlotOperand2Addr()), "second operand")
      .u8(FontByte(row.Long("FontNumber")), "font")
      .u8(CByte(plot.GetPlotSetting3(), "GetPlotSetting3"), "setting 3")
      .u8(CByte(count, "GetPointCount"), "point count")
      .u8(0, "reserved")
      .bytes(PointOffsets(plot, count, cx, cy))
      .u32(0xFFFFFFFF, "trailer")
      .u32(0xFFFFFFFF, "trailer")
      .u32(0xFFFFFFFF, "trailer");
  return out.take();
}

}  // namespace brisklet
