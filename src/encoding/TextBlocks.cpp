// The two ways a text travels in a record.
//
// Static text block:
//  OFFSET SIZE DESCRIPTION
//   0      2   font index (low 16 bits)
//   2      1   colour
//   3      1   line count N
//   4      1   character count (CR LF pairs not counted)
//   5      1   reserved
//   6     6N   line entries: pixel offset (4), distance from the entry to its first character (2)
//  6+6N   ...  text area: per line [pad 0 to an even distance] characters 0; padded to an even length
//
// Linked text block:
//  OFFSET SIZE DESCRIPTION
//   0      2   font index (low 16 bits)
//   2      1   colour
//   3      1   constant 1
//   4      1   constant 0
//   5      1   alignment code
//   6      4   anchor pixel offset
//  10      2   text address or text-table index
//  12     4C   the anchor again for each of the C text-table entries (operand type 0 only)
#include <vector>

#include "base/ByteWriter.h"
#include "base/TextAnchor.h"
#include "base/TextLines.h"
#include "encoding/FontLookups.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/TextEncoding.h"
#include "host/TextService.h"

namespace brisklet {

uint8_t GetTextAlignmentCode(int32_t alignment) {
  if (alignment < 0 || alignment > 8) return 0x11;
  return static_cast<uint8_t>((alignment / 3) << 4 | (alignment % 3));
}

Bytes EncodeStaticTextBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy, const std::string& text, int32_t fontNumber,
                            int32_t colour, int32_t alignment, int32_t frameStyle) {
  std::string fitted = FitTextToFrame(xs, ys, dx, dy, text, fontNumber, frameStyle);
  std::string prepared = PrepareDisplayText(fitted, fontNumber);
  std::vector<std::string> lines = SplitAtCrLf(prepared);
  std::vector<Bytes> lineBytes;
  size_t characters = 0;
  for (const std::string& line : lines) {
    lineBytes.push_back(GetAnsiBytes(line));
    characters += lineBytes.back().size();
  }
  ByteWriter head;
  head.u16(Low16(GetFontIndex(fontNumber)), "font")
      .u8(CByte(colour, "colour"), "colour")
      .u8(CByte(static_cast<int64_t>(lines.size()), "line count"), "line count")
      .u8(CByte(static_cast<int64_t>(characters), "character count"), "character count")
      .u8(0, "reserved");
  int64_t distance = 6 * static_cast<int64_t>(lines.size());
  int32_t x = 0, y = 0;
  MeasureText(prepared, fontNumber, xs, ys, dx, dy, x, y, alignment, frameStyle);
  int32_t lineHeight = GetFontLineHeight(fontNumber);
  ByteWriter area;
  for (size_t i = 0; i < lines.size(); ++i) {
    int32_t lineX = 0, unused = 0;
    MeasureText(lines[i], fontNumber, xs, ys, dx, dy, lineX, unused, alignment, frameStyle);
    head.i32(PixelOffset(lineX, y), "line position");
    y = CheckedAdd(y, lineHeight);
    if (distance % 2 != 0) {
      ++distance;
      area.u8(0, "line pad");
    }
    head.u16(Low16(distance), "line distance");
    distance += static_cast<int64_t>(lineBytes[i].size()) + 1 - 6;
    area.bytes(lineBytes[i], "line").u8(0, "line end");
  }
  if (area.size() % 2 != 0) area.u8(0, "pad");
  return head.bytes(area.take()).take();
}

Bytes EncodeLinkedTextBlock(TextService& service, int32_t address, int32_t oprndType, int32_t xs, int32_t ys,
                            int32_t dx, int32_t dy, const std::string&, int32_t fontNumber, int32_t colour,
                            int32_t alignment, int32_t frameStyle) {
  ByteWriter out;
  out.u16(Low16(GetFontIndex(fontNumber)), "font")
      .u8(CByte(colour, "colour"), "colour")
      .u8(1, "constant 1")
      .u8(0, "constant 0")
      .u8(GetTextAlignmentCode(alignment), "alignment");
  int32_t x = 0, y = 0;
  GetTextAnchorPoint(xs, ys, dx, dy, x, y, alignment, frameStyle);
  int32_t anchor = PixelOffset(x, y);
  out.i32(anchor, "anchor").u16(Low16(address), "text address");
  int32_t handle = 0;
  service.BeginTextQuery(handle);
  if (oprndType == 0) {
    int32_t count = service.TextQueryCount();
    for (int32_t i = 0; i < count; ++i) out.i32(anchor, "entry anchors");
  }
  service.EndTextQuery(handle);
  return out.take();
}

}  // namespace brisklet
