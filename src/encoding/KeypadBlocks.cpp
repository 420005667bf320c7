// The entry field's picker grid and the names of its cells.
//
// Grid block, 12 bytes:
//  OFFSET SIZE DESCRIPTION
//   0      2   cell width (low 16 bits): Dx \ columns; border 2: (Dx - 8) \ columns
//   2      2   cell height (low 16 bits): Dy \ rows; border 2: (Dy - 6) \ rows
//   4      4   first cell, pixel offset (Xs, Ys); border 2: (Xs + 4, Ys + 3)
//   8      1   colour
//   9      1   companion of the second colour
//  10      1   frame code: 2 for border 2, else 1
//  11      1   plain flag: 0
// A border code other than 0, 1 and 2 gives cells of 0 x 0 at (Xs, Ys).
//
// Calendar text block, 2 bytes and one entry per cell, row by row:
//  OFFSET SIZE DESCRIPTION
//   0      1   entry width W: the count line's digit n + 1, one more when that is odd
//   1      1   zero
//   2    W+4   per cell: its name as W - 1 characters (blank padded or cut), zero, the pixel
//              offset where the name is drawn; a cell whose line is empty has no name bytes
//              and the position of the cell before it (0 for the first cell)
// Names are placed in their cells: border 0 or 1, cells Dx \ C by Dy \ R, names 1 pixel in
// and 2 pixels smaller; border 2, cells (Dx - 8) \ C by (Dy - 8) \ R, names 4 pixels in.
#include "base/ByteWriter.h"
#include "base/CodePage.h"
#include "encoding/CalendarTexts.h"
#include "encoding/FontLookups.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/KeypadEncoding.h"
#include "encoding/TextEncoding.h"

namespace brisklet {
namespace {

constexpr int32_t kWideBorder = 2;

struct CellLayout {
  int32_t width = 0, height = 0;  // of a cell
  int32_t x = 0, y = 0;           // where the first cell's content starts, from (Xs, Ys)
  int32_t margin = 0;             // how much smaller than its cell a name's frame is
};

CellLayout GridCells(int32_t dx, int32_t dy, int32_t border, const KeypadGrid& grid) {
  if (border == 0 || border == 1) return {dx / grid.columns, dy / grid.rows};
  if (border == kWideBorder) return {(dx - 8) / grid.columns, (dy - 6) / grid.rows, 4, 3};
  return {};
}

CellLayout NameCells(int32_t dx, int32_t dy, int32_t border, const KeypadGrid& grid) {
  if (border == 0 || border == 1) return {dx / grid.columns, dy / grid.rows, 1, 1, 2};
  if (border == kWideBorder) return {(dx - 8) / grid.columns, (dy - 8) / grid.rows, 4, 4, 0};
  return {};
}

int32_t EntryWidth(int32_t count) {
  int32_t width = count + 1;
  return width % 2 == 1 ? width + 1 : width;
}

// The first `length` characters of the name followed by blanks.
std::string Padded(const std::string& name, int32_t length) {
  std::string text = name + std::string(static_cast<size_t>(length) + 1, ' ');
  return text.substr(0, CharacterOffsets(text)[static_cast<size_t>(length)]);
}

}  // namespace

Bytes EncodeKeypadGridBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy, int32_t, int32_t borderWidth,
                            uint8_t colour, uint8_t colour2, int32_t entryMode) {
  KeypadGrid grid = KeypadGridOf(entryMode);
  if (grid.columns == 0 || grid.rows == 0) return {};
  CellLayout cells = GridCells(dx, dy, borderWidth, grid);
  ByteWriter out;
  return out.u16(Low16(cells.width), "cell width")
      .u16(Low16(cells.height), "cell height")
      .i32(PixelOffset(CheckedAdd(xs, cells.x), CheckedAdd(ys, cells.y)), "first cell")
      .u8(colour, "colour")
      .u8(CompanionColorByte(colour2), "companion colour")
      .u8(borderWidth == kWideBorder ? 2 : 1, "frame code")
      .u8(0, "plain flag")
      .take();
}

Bytes EncodeKeypadTextBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy, int32_t borderWidth, int32_t entryMode,
                            int32_t language, int32_t fontNumber, int32_t alignment, int32_t frameStyle) {
  KeypadGrid grid = KeypadGridOf(entryMode);
  if (grid.columns == 0 || grid.rows == 0) return {};
  CellLayout cells = NameCells(dx, dy, borderWidth, grid);
  CalendarSection section(language, grid.section);
  int32_t width = EntryWidth(section.Count());
  ByteWriter out;
  out.u8(CByte(width, "entry width"), "entry width").u8(0, "reserved");
  int32_t x = 0, y = 0;
  for (int32_t r = 0; r < grid.rows; ++r) {
    for (int32_t c = 0; c < grid.columns; ++c) {
      std::string name = section.ReadLine();
      if (!name.empty()) {
        name = PrepareDisplayText(name, fontNumber);
        MeasureText(name, fontNumber, CheckedAdd(xs, CheckedAdd(CheckedMul(c, cells.width), cells.x)),
                    CheckedAdd(ys, CheckedAdd(CheckedMul(r, cells.height), cells.y)), cells.width - cells.margin,
                    cells.height - cells.margin, x, y, alignment, frameStyle);
        out.bytes(GetAnsiBytes(Padded(name, width - 1)), "cell name");
      }
      out.u8(0, "cell end").i32(PixelOffset(x, y), "cell position");
    }
  }
  return out.take();
}

}  // namespace brisklet
