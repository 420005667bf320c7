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
// is long enough). It must fit the frame, else the element has no record. A field longer than
// its length byte holds is "Overflow", but only once its sample has been fitted: a frame too
// small for the sample is the element's error, as for any field.
#include "base/ByteWriter.h"
#include "base/CodePage.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/KindRegistry.h"
#include "elements/TextFieldProperties.h"
#include "elements/ValueFields.h"
#include "encoding/FontLookups.h"
#include "encoding/OperandEncoding.h"
#include "host/HostFactory.h"

namespace brisklet {
namespace {

constexpr int32_t kLongestField = 255;  // the length is sent in one byte

std::string FirstCharacters(const std::string& text, int32_t count) {
  std::vector<size_t> offsets = CharacterOffsets(text);
  return text.substr(0, offsets[std::min(static_cast<size_t>(count), offsets.size() - 1)]);
}

std::string FieldSample(const std::string& text, int32_t length) {
  if (CharacterCount(text) >= length) return FirstCharacters(text, length);
  std::string sample = text;
  while (CharacterCount(sample) < length) sample = FirstCharacters(sample + " " + sample, length);
  return sample;
}

// Whether the sample of a field longer than any record holds fits, without making it: it could
// be 2^31 characters. The sample is the text and a blank (a period) repeated, then cut ("AB"
// in 8 is "AB AB AB"). Past the first two periods each further one adds a period's width to
// the one line of a one-line text (a width of N equal periods is N times one period's), or a
// period's lines to a text of several lines, whose widest line it leaves as it is. So the
// sample fits when its first two periods and the cut part fit, and the frame also holds what
// the further periods add.
bool LongSampleFits(Recordset& row, const std::string& text, int32_t length) {
  std::string period = text + " ";
  int32_t size = CharacterCount(period);
  int64_t further = std::max(length / size - 2, 0);
  std::string head = FieldSample(text, static_cast<int32_t>(length - further * size));
  int32_t font = row.Long("FontNumber"), flat3D = row.Long("Flat3D");
  if (FitTextToFrame(row.Long("Xs"), row.Long("Ys"), row.Long("Dx"), row.Long("Dy"), head, font, flat3D) != head) {
    return false;
  }
  if (further == 0) return true;
  auto fitter = CurrentHost().NewTextFitter();
  fitter->SetFont(font);
  fitter->SetFrameStyle(flat3D);
  bool oneLine = period.find("\r\n") == std::string::npos;
  auto extent = [&](const std::string& s) {  // the frame's width or height that `s` needs
    int32_t width = 0, height = 0;
    fitter->SetText(s);
    fitter->GetMinimumSize(width, height);
    return int64_t{oneLine ? width : height};
  };
  int64_t growth = extent(period + period) - extent(period);
  return growth <= 0 || extent(head) + further * growth <= row.Long(oneLine ? "Dx" : "Dy");
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
  int32_t length = p.GetFieldLength();
  if (length < 0) CByte(length, "GetFieldLength");  // no sample has fewer than no characters
  std::string sample = length <= kLongestField ? FieldSample(p.GetFieldText(), length) : "";
  out.u16(FontIndexField(row.Long("FontNumber")), "font")
      .u8(CByte(p.GetFieldStyle(), "GetFieldStyle"), "style")
      .u8(0, "reserved");
  if (length > kLongestField) {
    if (!LongSampleFits(row, p.GetFieldText(), length)) {
      prvReportTooSmall(row);
      return false;
    }
    CByte(length, "GetFieldLength");  // the sample fits, but the length cannot be sent
  }
  if (!prvSampleTextFits(row, sample)) return false;
  out.i32(SampleTextPosition(row, sample), "text position")
      .u8(CByte(length, "GetFieldLength"), "field length")
      .u8(0, "reserved")
      .bytes(EncodeOperand(p.GetFieldOperandType(), p.GetFieldOperandAddr()), "operand");
  return true;
}

}  // namespace brisklet
