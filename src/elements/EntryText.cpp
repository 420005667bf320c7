// Entry text "EP": an entry element with a label, an optional code operand and two texts,
// each fixed or taken from a text source; it has no display form.
//
//  OFFSET SIZE DESCRIPTION
//   0      n   label block "EP", no count block
//   n      2   zero
//   n+2    8   code operand (GetCodeOperandType, GetCodeOperandAddr) when GetCodeFlag is
//              non-zero, else zero
//   n+10   t   text 1 (below)
//   n+10+t 2   font index (FontNumber; 0 for an unknown font)
//          1   entry style
//          1   zero
//          4   sample text position (of the text as fitted)
//          1   1
//          1   "*"
//          u   text 2 (below)
//
// Text 1:  fixed:  L = Len + 1, the text; FF when L is even (and L one more)
//          code:   GetCodeValue, 00, 00, 04
//          linked: L, 00, 00, linked text tail; L = tail + 1
// Text 2:  fixed:  L = Len, the text; FF when L is odd (and L one more)
//          linked: as text 1
// The sample is text 2, or text 1 when text 2 is empty. It must fit the frame, else the
// element has no record, but only when the fixed text 2 (GetText2) is not empty.
#include "base/ByteWriter.h"
#include "base/CodePage.h"
#include "elements/ElementCompiler.h"
#include "elements/EntryTextProperties.h"
#include "elements/ValueFields.h"
#include "encoding/OperandEncoding.h"

namespace brisklet {
namespace {

constexpr uint8_t kCodeText = 4;
constexpr uint8_t kEntryMark = '*';

std::string Text1(const EntryTextProperties& p) {
  return p.IsText1Linked() != 0 ? p.GetText1Source().GetSourceText() : p.GetText1();
}
std::string Text2(const EntryTextProperties& p) {
  return p.IsText2Linked() != 0 ? p.GetText2Source().GetSourceText() : p.GetText2();
}

// A fixed text behind its length byte, counted from `counted` and padded with FF when the
// count is even (`padEven`) or odd.
Bytes FixedText(int32_t counted, bool padEven, const Bytes& text) {
  bool pad = (counted % 2 == 0) == padEven;
  ByteWriter out;
  out.u8(CByte(counted + (pad ? 1 : 0), "text length"), "length").bytes(text, "text");
  if (pad) out.u8(0xFF, "pad");
  return out.take();
}

}  // namespace

Bytes ElementCompiler::prvCompileEntryText(Recordset& row, std::string_view tag) {
  EntryTextProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  int32_t font = row.Long("FontNumber");
  bool code = p.GetCodeFlag() != 0;
  ByteWriter out(prvCompileLabelBlock(row, tag));
  out.u16(0, "reserved")
      .bytes(code ? EncodeOperand(p.GetCodeOperandType(), p.GetCodeOperandAddr()) : Bytes(8), "code operand");
  if (p.IsText1Linked() == 0 && !code) {
    std::string text = p.GetText1();
    out.bytes(FixedText(CharacterCount(text) + 1, true, prvValueTextBytes(text, font)), "text 1");
  } else if (code) {
    out.u8(CByte(p.GetCodeValue(), "GetCodeValue"), "text 1 code value")
        .u8(0, "text 1 reserved")
        .u8(0, "text 1 reserved")
        .u8(kCodeText, "text 1 code form");
  } else {
    out.bytes(prvLinkedSourceBlock(row, p.GetText1Source(), 0), "text 1");
  }
  std::string text2 = Text2(p);
  std::string sample = text2.empty() ? Text1(p) : text2;
  std::string fitted = prvFitTextToFrame(row.Long("Xs"), row.Long("Ys"), row.Long("Dx"), row.Long("Dy"), sample, font,
                                         row.Long("Flat3D"));
  if (fitted != sample && !p.GetText2().empty()) {
    prvReportTooSmall(row);
    return {};
  }
  out.u16(FontIndexField(font), "font")
      .u8(CByte(p.GetEntryStyle(), "GetEntryStyle"), "entry style")
      .u8(0, "reserved")
      .i32(SampleTextPosition(row, fitted), "text position")
      .u8(1, "constant 1")
      .u8(kEntryMark, "entry mark");
  if (p.IsText2Linked() == 0) {
    std::string text = p.GetText2();
    return out.bytes(FixedText(CharacterCount(text), false, prvValueTextBytes(text, font)), "text 2").take();
  }
  return out.bytes(prvLinkedSourceBlock(row, p.GetText2Source(), 0), "text 2").take();
}

}  // namespace brisklet
