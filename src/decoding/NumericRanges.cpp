// Numbers with colour ranges: "NR" and its entry form "ER" are the numbers "LN" and "EN" in
// the units layout of the ranges, followed by the range table.
//
// Range table:
//  OFFSET SIZE DESCRIPTION
//   0      2   range count n
//   2     20   default entry: zero (16), format code, zero, colour, companion colour
//  22    20n   per range: limit 1 operand (8), limit 2 operand (8), range code, zero, colour,
//              companion colour
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {
namespace {

void ReadRangeTable(RecordReader& in) {
  uint32_t count = in.U16("range count");
  {
    RecordReader::Part fallback(in, "default range");
    in.Reserved(16);
    in.U8("format code");
    in.Reserved(1);
    in.Colour("colour");
    in.Colour("companion colour");
  }
  for (uint32_t i = 1; i <= count && !in.Failed(); ++i) {
    RecordReader::Part range(in, "range " + std::to_string(i));
    in.Operand("limit 1");
    in.Operand("limit 2");
    in.U8("code");
    in.Reserved(1);
    in.Colour("colour");
    in.Colour("companion colour");
  }
}

}  // namespace

void DecodeNumericRanges(RecordReader& in, std::string_view tag) {
  ReadTagOrLabel(in, tag, LabelForm::Counted);
  ReadNumericBody(in, IsEntryForm(tag), UnitsLayout::Range);
  ReadRangeTable(in);
}

}  // namespace brisklet
