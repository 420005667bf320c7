// The part the numbers share: from the font index to the units ("LN" and "NR" after their tag,
// "EN" and "ER" after their label block).
//
//  OFFSET SIZE DESCRIPTION
//   0      2   font index
//   2      1   format code
//   3      1   zero
//   4      4   text position
//   8      1   flag E
//   9      1   has units
//  10      1   digits before the point
//  11      1   digits after the point
//  12      1   flags: 1 style -1, 2 flag A, 4 flag B, 8 flag C, 16 flag D, 32 units, 64 style 2
//  13      1   zero
//  14      1   mode code
//  15     17   display forms: zero; entry forms: "*", entry operand 1 (8), entry operand 2 (8)
//  32     32   value operands 1 to 4
//  64      1   units length U
//  65      n   units:
//               fixed, plain numbers:  U characters
//               fixed, with ranges:    the characters, then zero when their number is odd;
//                                      U = n + 1
//               linked:                zero, zero, linked text tail; U = n - 1 (plain numbers)
//                                      or n (with ranges)
#include "decoding/BlockReaders.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {
namespace {

constexpr uint32_t kEntryMark = '*';

std::string FlagsMeaning(uint32_t flags) {
  static const char* kBits[] = {"style -1", "flag A", "flag B", "flag C", "flag D", "units", "style 2", "bit 7"};
  std::string out;
  for (int bit = 0; bit < 8; ++bit) {
    if (flags & (1u << bit)) out += (out.empty() ? "" : ", ") + std::string(kBits[bit]);
  }
  return out;
}

void ReadFixedRangeUnits(RecordReader& in, uint32_t length) {
  if (length == 0) {
    in.Problem("the units length is 0, but it counts at least itself");
    return;
  }
  size_t characters = length - 1;
  bool pad = characters > 0 && in.Peek(characters - 1) == uint8_t{0};
  in.Text(field::Name({field::kUnits, field::kText}), pad ? characters - 1 : characters);
  if (pad) in.Reserved(1, "units pad");
}

void ReadUnits(RecordReader& in, UnitsLayout layout) {
  uint32_t length = in.U8("units length");
  bool range = layout == UnitsLayout::Range;
  if (length > (range ? 1u : 0u) && LinkedTextAhead(in, 2)) {
    in.Reserved(2, "units zero");
    RecordReader::Part units(in, "units");
    ReadLinkedTextTail(in, range ? length - 2 : length - 1);
  } else if (range) {
    ReadFixedRangeUnits(in, length);
  } else {
    in.Text(field::Name({field::kUnits, field::kText}), length);
  }
}

}  // namespace

void ReadNumericBody(RecordReader& in, bool entry, UnitsLayout layout) {
  in.Font(field::kFont);
  in.U8("format code");
  in.Reserved(1);
  in.Position(field::kTextPosition);
  in.U8("flag E");
  in.U8("has units");
  in.U8(field::kDigitsBefore);
  in.U8(field::kDigitsAfter);
  in.Explain(FlagsMeaning(in.U8(field::kFlags)));
  in.Reserved(1);
  in.U8("mode code");
  if (entry) {
    in.Fixed("entry mark", 1, kEntryMark);
    in.Operand("entry operand 1");
    in.Operand("entry operand 2");
  } else {
    in.Reserved(17);
  }
  for (int i = 1; i <= 4; ++i) in.Operand("operand " + std::to_string(i));
  ReadUnits(in, layout);
}

}  // namespace brisklet
