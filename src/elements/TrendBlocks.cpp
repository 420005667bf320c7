// The blocks both trend graphs are made of.
#include "elements/TrendBlocks.h"

#include "base/ByteWriter.h"
#include "base/RuntimeError.h"
#include "encoding/FontLookups.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/TextEncoding.h"

namespace brisklet {

TrendLayout::TrendLayout(Recordset& row, const std::vector<PartRect>& parts)
    : mRow(row), mXs(row.Long("Xs")), mYs(row.Long("Ys")), mParts(parts) {}

PartRect TrendLayout::Part(int32_t code) const {
  static nlohmann::json none = nlohmann::json::object();  // read only: a part the blob leaves out
  return code >= 0 && static_cast<size_t>(code) < mParts.size() ? mParts[static_cast<size_t>(code)] : PartRect(none);
}

int32_t TrendLayout::Position(const PartRect& part) const {
  return PixelOffset(CheckedAdd(mXs, part.x()), CheckedAdd(mYs, part.y()));
}

Bytes TrendLayout::FrameBlock(int32_t code) const {
  const PartRect& part = Part(code);
  int32_t colour = mRow.Long("ColorBack");
  ByteWriter out;
  out.u16(Low16(part.w()), "width")
      .u16(Low16(part.h()), "height")
      .i32(Position(part), "position")
      .u8(CByte(colour, "ColorBack"), "colour")
      .u8(CompanionColorByte(colour), "companion colour")
      .zeros(2, "reserved");
  return out.take();
}

Bytes TrendLayout::ButtonBlock(int32_t code, const std::string& label, int32_t buttonColour,
                               int32_t labelColour) const {
  const PartRect& part = Part(code);
  int32_t x = 0, y = 0;
  MeasureText(label, GetFirstFontCrc(), CheckedAdd(mXs, part.x()), CheckedAdd(mYs, part.y()), part.w(), part.h(), x, y,
              4, 1);
  Bytes text = GetAnsiBytes(label);
  ByteWriter out;
  out.u16(Low16(part.w()), "width")
      .u16(Low16(part.h()), "height")
      .i32(Position(part), "position")
      .u8(CByte(buttonColour, "colour"), "colour")
      .u8(CompanionColorByte(buttonColour), "companion colour")
      .u8(2, "constant 2")
      .zeros(3, "reserved")
      .u8(CByte(labelColour, "label colour"), "label colour")
      .u8(1, "constant 1")
      .u8(CByte(text.size() + 1, "label length"), "label length")
      .u8(0, "reserved")
      .i32(PixelOffset(CheckedAdd(x, -1), CheckedAdd(y, -1)), "label position")
      .u8(6, "constant 6")
      .u8(0, "reserved")
      .bytes(text, "label")
      .zeros(text.size() == 1 ? 1 : 2, "label end");
  return out.take();
}

Bytes TrendLayout::PanelBlock(int32_t code, int32_t colour) const {
  const PartRect& part = Part(code);
  ByteWriter out;
  out.u16(Low16(part.w()), "width")
      .u16(Low16(part.h()), "height")
      .i32(Position(part), "position")
      .u8(CByte(colour, "panel colour"), "colour")
      .u8(CompanionColorByte(colour), "companion colour")
      .u8(2, "constant 2")
      .u8(1, "constant 1");
  return out.take();
}

int32_t PointsShown(int32_t plotWidth, int32_t pointSpacing) {
  if (pointSpacing == 0) throw RuntimeError("Division by zero", "GetPointSpacing is 0");
  return CheckedLong(int64_t{plotWidth} / pointSpacing, "points shown");
}

int32_t LimitedTicks(int32_t ticks, int32_t extent, bool& reduced) {
  reduced = ticks > extent;
  return reduced ? CheckedAdd(extent, 1) / 2 : ticks;
}

std::string XTicksWarning(const std::string& trendText) {
  return "The number of X Ticks on Trend: '" + trendText + "' exceeds the maximum, and will be reducued on download.";
}

std::string YTicksWarning(const std::string& trendText) {
  return "The number of Y Ticks on trend: '" + trendText + "' exceeds the maximum, and will be reducued on download.";
}

}  // namespace brisklet
