// Text fields: "LA" shows a fixed number of characters held in a controller operand; "EA",
// its entry form (touch kind 7), lets the operator type them.
//
// "LA", 20 bytes:                        "EA":
//  OFFSET SIZE DESCRIPTION                OFFSET SIZE DESCRIPTION
//   0      2   tag "LA"                    0      n   label block "EA", no count block
//   2     18   field                       n      2   zero
//                                          n+2   18   field
// Field:
//  OFFSET SIZE DESCRIPTION
//   0      2   font index (FontNumber; 0 for an unknown font)
//   2      1   style
//   3      1   zero
//   4      4   sample text position
//   8      1   field length n
//   9      1   zero
//  10      8   the operand holding the characters
//
// The sample text is the field text cut or repeated to n characters: "ABCDEFG" in 5 is
// "ABCDE"; "AB" in 7 is "AB AB A" (the text doubled with a blank between, then cut, until it
// is long enough). It must fit the frame, else the element has no record.
#include "base/ByteWriter.h"
#include "base/CodePage.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/KindRegistry.h"
#include "elements/TextFieldProperties.h"
#include "elements/ValueFields.h"
#include "encoding/OperandEncoding.h"

namespace brisklet {
namespace {

std::string FirstCharacters(const std::string& text, int32_t count) {
  std::vector<size_t> offsets = CharacterOffsets(text);
  return text.substr(0, offsets[std::min(static_cast<size_t>(count), offsets.size() - 1)]);
}

// The field length is checked first: the sample of a longer field could not be sent anyway.
std::string FieldSample(const TextFieldProperties& p) {
  int32_t length = CByte(p.GetFieldLength(), "GetFieldLength");
  std::string sample = p.GetFieldText();
  if (CharacterCount(sample) >= length) return FirstCharacters(sample, length);
  while (CharacterCount(sample) < length) sample = FirstCharacters(sample + " " + sample, length);
  return sample;
}

}  // namespace

Bytes ElementCompiler::prvCompileTextField(Recordset& row, std::string_view tag) {
  if (prvGetTouchKind(row) == kTouchTextField) return prvCompileTextFieldEntry(row, EntryTagOf(tag));
  TextFieldProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  ByteWriter out;
  out.tag(tag);
  if (!prvWriteTextField(out, row, p)) return {};
  return out.take();
}

Bytes ElementCompiler::prvCompileTextFieldEntry(Recordset& row, std::string_view entryTag) {
  TextFieldProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  ByteWriter out(prvCompileLabelBlock(row, entryTag));
  out.u8(0, "reserved").u8(0, "reserved");
  if (!prvWriteTextField(out, row, p)) return {};
  return out.take();
}

bool ElementCompiler::prvWriteTextField(ByteWriter& out, Recordset& row, const TextFieldProperties& p) {
  std::string sample = FieldSample(p);
  out.u16(FontIndexField(row.Long("FontNumber")), "font")
      .u8(CByte(p.GetFieldStyle(), "GetFieldStyle"), "style")
      .u8(0, "reserved");
  if (!prvSampleTextFits(row, sample)) return false;
  out.i32(SampleTextPosition(row, sample), "text position")
      .u8(CByte(p.GetFieldLength(), "GetFieldLength"), "field length")
      .u8(0, "reserved")
      .bytes(EncodeOperand(p.GetFieldOperandType(), p.GetFieldOperandAddr()), "operand");
  return true;
}

}  // namespace brisklet
