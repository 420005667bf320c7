// Numbers with colour ranges: "NR" (display) and "ER" (entry) are the numbers "LN" and "EN"
// with their own tag, the units block of the ranges' layout, and a table of value ranges,
// each with the colour the number takes in it.
//
// "NR": tag "NR" (2), numeric body, display form (64), units length and units, range table.
// "ER": label block "ER" with the count block, numeric body, entry form (64), units length
//       and units, range table.
// (the numeric body and both units layouts: NumericBody.cpp)
//
// Range table, after the units:
//  OFFSET SIZE DESCRIPTION
//   0      2   range count (low 16 bits of GetRangeCount)
//   2     20   default entry: zero (16), format code, zero, ColorBack, its companion colour
//  22     20   one entry per range, GetRange(1) first:
//               limit 1 operand (8), limit 2 operand (8), range code, zero, colour,
//               its companion colour
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/KindRegistry.h"
#include "elements/NumericProperties.h"
#include "encoding/OperandEncoding.h"
#include "host/HostFactory.h"

namespace brisklet {
namespace {

Bytes RangeTable(Recordset& row, const RangeNumericProperties& p) {
  auto colours = CurrentHost().NewColorService();  // one service for the whole table
  auto companion = [&colours](int32_t colour) {
    int32_t result = 0;
    colours->GetCompanionColor(1, colour, result);
    return CByte(result, "companion colour");
  };
  int32_t count = p.GetRangeCount();
  int32_t back = row.Long("ColorBack");
  ByteWriter out;
  out.u16(Low16(count), "range count")
      .zeros(16, "default range reserved")
      .u8(CByte(p.GetFormatCode(), "GetFormatCode"), "default range format code")
      .u8(0, "default range reserved")
      .u8(CByte(back, "ColorBack"), "default range colour")
      .u8(companion(back), "default range companion colour");
  for (int32_t i = 1; i <= count; ++i) {
    ValueRange range = p.GetRange(i);
    out.bytes(EncodeOperand(range.GetLimit1Type(), range.GetLimit1Addr()), "range limit 1")
        .bytes(EncodeOperand(range.GetLimit2Type(), range.GetLimit2Addr()), "range limit 2")
        .u8(CByte(range.GetRangeCode(), "GetRangeCode"), "range code")
        .u8(0, "range reserved")
        .u8(CByte(range.GetRangeColor(), "GetRangeColor"), "range colour")
        .u8(companion(range.GetRangeColor()), "range companion colour");
  }
  return out.take();
}

}  // namespace

Bytes ElementCompiler::prvCompileNumericRange(Recordset& row, std::string_view tag) {
  if (prvGetTouchKind(row) == kTouchEntry) return prvCompileNumericRangeEntry(row, EntryTagOf(tag));
  RangeNumericProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  ByteWriter out;
  out.tag(tag);
  if (!prvWriteNumericBody(out, row, p, NumericForm::Display, UnitsLayout::Range)) return {};
  return out.bytes(RangeTable(row, p)).take();
}

Bytes ElementCompiler::prvCompileNumericRangeEntry(Recordset& row, std::string_view entryTag) {
  RangeNumericProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  ByteWriter out(prvCompileEntryLabel(row, entryTag, p.GetEntryCount(), p.GetEntryCode()));
  if (!prvWriteNumericBody(out, row, p, NumericForm::Entry, UnitsLayout::Range)) return {};
  return out.bytes(RangeTable(row, p)).take();
}

}  // namespace brisklet
