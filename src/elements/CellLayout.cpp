// Cell layout "LG", 28 + 14 n bytes: the n cells the designer laid out inside the element.
// A failure while the record is built is shown to the user (message 409) and leaves no kind
// bytes.
//
//  OFFSET   SIZE DESCRIPTION
//   0        2   tag
//   2        1   setting 1
//   3        1   reserved
//   4        4   value 1 (its first four bytes)
//   8        4   value 2 (its first four bytes)
//  12        4   inner position (Xs + m, Ys + m; m the 3D margin)
//  16        2   inner width Dx - 2m (low 16 bits)
//  18        2   inner height Dy - 2m (low 16 bits)
//  20        1   setting 2
//  21        1   reserved
//  22        1   cell count n
//  23        1   reserved
//  24      14n   the cells; bytes 4..7 of each are its pixel offset (Xs + x, Ys + y)
//  24 + 14n  4   trailer FF FF FF FF
#include "base/ByteWriter.h"
#include "base/FrameMargin.h"
#include "base/RuntimeError.h"
#include "elements/CellLayoutProperties.h"
#include "elements/ElementCompiler.h"
#include "elements/Queries.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/HostMessages.h"
#include "host/RecordsetAccess.h"

namespace brisklet {
namespace {

// The first four bytes of an 8-byte value, as it lies in memory: its low 32 bits.
uint32_t FirstFourBytes(int64_t value) { return static_cast<uint32_t>(static_cast<uint64_t>(value) & 0xFFFFFFFF); }

// The cells as laid out, each one's x and y (unsigned 16-bit, at bytes 4..7, relative to the
// element's corner) replaced by its pixel offset.
Bytes PlacedCells(Bytes cells, int32_t count, int32_t xs, int32_t ys) {
  for (int32_t i = 0; i < count; ++i) {
    size_t at = 14 * static_cast<size_t>(i) + 4;
    if (at + 4 > cells.size()) {
      throw RuntimeError("Subscript out of range", "GetCellEntries has no cell " + std::to_string(i));
    }
    int32_t x = cells[at] | cells[at + 1] << 8, y = cells[at + 2] | cells[at + 3] << 8;
    uint32_t offset = static_cast<uint32_t>(PixelOffset(int64_t{xs} + x, int64_t{ys} + y));
    for (int b = 0; b < 4; ++b) cells[at + static_cast<size_t>(b)] = static_cast<uint8_t>(offset >> (8 * b));
  }
  return cells;
}

// The record; `count` holds the cell count as soon as it is known.
Bytes CellLayoutRecord(Recordset& row, std::string_view tag, int32_t& count) {
  CellLayoutProperties cells;
  cells.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  int32_t xs = row.Long("Xs"), ys = row.Long("Ys"), dx = row.Long("Dx"), dy = row.Long("Dy");
  int32_t m = Frame3DInset(row.Long("Flat3D"));
  ByteWriter out;
  out.tag(tag)
      .u8(CByte(cells.GetCellSetting1(), "GetCellSetting1"), "setting 1")
      .u8(0, "reserved")
      .u32(FirstFourBytes(cells.GetCellValue1()), "value 1")
      .u32(FirstFourBytes(cells.GetCellValue2()), "value 2")
      .i32(PixelOffset(CheckedAdd(xs, m), CheckedAdd(ys, m)), "inner position")
      .u16(Low16(CheckedAdd(dx, -2 * int64_t{m})), "inner width")
      .u16(Low16(CheckedAdd(dy, -2 * int64_t{m})), "inner height")
      .u8(CByte(cells.GetCellSetting2(), "GetCellSetting2"), "setting 2");
  count = cells.GetCellCount();  // for Dx, Dy and Flat3D
  out.u8(0, "reserved")
      .u8(CByte(count, "GetCellCount"), "cell count")
      .u8(0, "reserved")
      .bytes(PlacedCells(cells.GetCellEntries(), count, xs, ys), "cell")
      .u32(0xFFFFFFFF, "trailer");
  return out.take();
}

}  // namespace

Bytes ElementCompiler::prvCompileCellLayout(Recordset& row, std::string_view tag) {
  int32_t count = 0;
  try {
    return CellLayoutRecord(row, tag, count);
  } catch (const RuntimeError&) {
    auto rs = GetRecordset(kSqlCellLayoutDisplay + std::string("?"), {row.Long("ID")}, 0, 3);
    ShowCatalogueMessage(409, {row.Field("Text"), rs->Eof() ? Value() : rs->Field("Description")});
    rs->Close();
    CByte(count, "GetCellCount");  // the count is stored once more: a count that was the failure fails again
    return {};
  }
}

}  // namespace brisklet
