// The part of a number shared by "LN", "EN", "NR" and "ER": from the font index to the last
// value operand, then the units block. Offsets below are from the font index ("LN" / "NR"
// offset 2, "EN" / "ER" main block offset 0).
//
//  OFFSET SIZE DESCRIPTION
//   0      2   font index (FontNumber; 0 for an unknown font)
//   2      1   format code
//   3      1   zero
//   4      4   sample text position
//   8      1   flag E (1 when set)
//   9      1   has units (1 when the units text is not empty)
//  10      1   digits before the point (low byte)
//  11      1   digits after the point (low byte)
//  12      1   flags: 1 style -1, 2 flag A, 4 flag B, 8 flag C, 16 flag D, 32 units text,
//              64 style 2
//  13      1   zero
//  14      1   mode code (0 to 2; any other value gives 0)
//  15     17   display forms: zero
//              entry forms: "*", entry operand 1 (8), entry operand 2 (8)
//  32      8   value operand 1
//  40      8   value operand 2
//  48      8   value operand 3
//  56      8   value operand 4
//  64      1   units length U
//  65      n   units (see the two layouts at prvCompileUnitsBlock)
//
// Before the text position is written the sample text (sign, mask, units) must fit the frame;
// when it does not, the error is reported and the element has no record.
#include "base/ByteWriter.h"
#include "base/CodePage.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/NumericProperties.h"
#include "elements/ValueFields.h"
#include "encoding/OperandEncoding.h"
#include "encoding/TextEncoding.h"

namespace brisklet {
namespace {

constexpr uint8_t kEntryMark = '*';
constexpr int32_t kLastModeCode = 2;

bool IsSet(int32_t boolean) { return boolean == -1; }

std::string UnitsText(const NumericProperties& p) {
  return p.IsUnitsLinked() == 0 ? p.GetUnitsText() : p.GetUnitsSource().GetSourceText();
}

// The widest text the number shows: sign, mask and units; an entry without a sign place
// measures its units alone (or its mask when it has none).
std::string SampleText(const NumericProperties& p, const std::string& units, bool entry) {
  if (entry && IsSet(p.GetFlagC())) return units.empty() ? p.GetMask() : units;
  std::string sample = (IsSet(p.GetFlagC()) || IsSet(p.GetFlagD()) ? "" : "-") + p.GetMask();
  return units.empty() ? sample : sample + " " + units;
}

// Bit 5 asks for a units text of the fixed kind, or of a source linked by -1 exactly.
bool HasUnitsFlag(const NumericProperties& p) {
  if (p.IsUnitsLinked() == 0) return !p.GetUnitsText().empty();
  return p.IsUnitsLinked() == -1 && !p.GetUnitsSource().GetSourceText().empty();
}

uint8_t FlagsByte(const NumericProperties& p) {
  int32_t style = p.GetStyleCode();
  return (style == -1 ? 1 : 0) | (IsSet(p.GetFlagA()) ? 2 : 0) | (IsSet(p.GetFlagB()) ? 4 : 0) |
         (IsSet(p.GetFlagC()) ? 8 : 0) | (IsSet(p.GetFlagD()) ? 16 : 0) | (HasUnitsFlag(p) ? 32 : 0) |
         (style == 2 ? 64 : 0);
}

uint8_t ModeCodeByte(int32_t mode) { return mode >= 0 && mode <= kLastModeCode ? static_cast<uint8_t>(mode) : 0; }

// The units length and the bytes of a fixed units text of `length` characters.
Bytes FixedUnitsBlock(int32_t length, const Bytes& text, bool range) {
  int32_t counted = length + (range ? 1 : 0);
  bool pad = range && counted % 2 == 0;
  ByteWriter out;
  out.u8(CByte(counted + (pad ? 1 : 0), "units length"), "length").bytes(text, "text");
  if (pad) out.u8(0, "pad");
  return out.take();
}

}  // namespace

bool ElementCompiler::prvWriteNumericBody(ByteWriter& out, Recordset& row, const NumericProperties& p, NumericForm form,
                                          UnitsLayout layout) {
  bool entry = form == NumericForm::Entry;
  out.u16(FontIndexField(row.Long("FontNumber")), "font")
      .u8(CByte(p.GetFormatCode(), "GetFormatCode"), "format code")
      .u8(0, "reserved");
  std::string units = UnitsText(p);
  std::string sample = SampleText(p, units, entry);
  if (!prvSampleTextFits(row, sample)) return false;
  int32_t before = 0, after = 0;
  prvSplitAtDecimalPoint(p.GetMask(), before, after);
  out.i32(SampleTextPosition(row, sample), "text position")
      .u8(IsSet(p.GetFlagE()) ? 1 : 0, "flag E")
      .u8(units.empty() ? 0 : 1, "has units")
      .u8(LowByte(before), "digits before the point")
      .u8(LowByte(after), "digits after the point")
      .u8(FlagsByte(p), "flags")
      .u8(0, "reserved")
      .u8(ModeCodeByte(p.GetModeCode()), "mode code");
  if (entry) {
    out.u8(kEntryMark, "entry mark")
        .bytes(EncodeOperand(p.GetEntryOperand1Type(), p.GetEntryOperand1Addr()), "entry operand 1")
        .bytes(EncodeOperand(p.GetEntryOperand2Type(), p.GetEntryOperand2Addr()), "entry operand 2");
  } else {
    out.zeros(17, "reserved");
  }
  out.bytes(EncodeOperand(p.GetOperand1Type(), p.GetOperand1Addr()), "operand 1")
      .bytes(EncodeOperand(p.GetOperand2Type(), p.GetOperand2Addr()), "operand 2")
      .bytes(EncodeOperand(p.GetOperand3Type(), p.GetOperand3Addr()), "operand 3")
      .bytes(EncodeOperand(p.GetOperand4Type(), p.GetOperand4Addr()), "operand 4")
      .bytes(prvCompileUnitsBlock(row, p, layout), "units");
  return true;
}

// The units block, from the units length U:
//  fixed units   "LN" / "EN": U = Len(units), the units' bytes
//                "NR" / "ER": U = Len(units) + 1, the units' bytes, then 00 when that is even
//                             (and U one more): U is always odd
//  linked units  U, 00, 00, linked text tail (the source's colour for a text-table text, else
//                ColorFore); U = tail + 1 for "LN" / "EN", tail + 2 for "NR" / "ER"
Bytes ElementCompiler::prvCompileUnitsBlock(Recordset& row, const NumericProperties& p, UnitsLayout layout) {
  bool range = layout == UnitsLayout::Range;
  if (p.IsUnitsLinked() == 0) {
    std::string units = p.GetUnitsText();
    return FixedUnitsBlock(CharacterCount(units), prvValueTextBytes(units, row.Long("FontNumber")), range);
  }
  return prvLinkedSourceBlock(row, p.GetUnitsSource(), range ? 1 : 0);
}

}  // namespace brisklet
