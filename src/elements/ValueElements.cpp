// What the value elements share: the font index and text position of their main blocks, the
// code-page bytes of their labels and units (Hebrew texts in display order), the tail of a
// linked text, and the error of a frame too small for the element's widest text.
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/TextObjectProperties.h"
#include "elements/TextSourceProperties.h"
#include "elements/ValueFields.h"
#include "encoding/FontLookups.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/OperandEncoding.h"
#include "encoding/TextEncoding.h"
#include "host/HostFactory.h"

namespace brisklet {

uint16_t FontIndexField(int32_t fontNumber) {
  int32_t index = GetFontIndex(fontNumber);
  return index == -1 ? 0 : Low16(index);
}

int32_t SampleTextPosition(Recordset& row, const std::string& sample) {
  int32_t x = 0, y = 0;
  MeasureText(sample, row.Long("FontNumber"), row.Long("Xs"), row.Long("Ys"), row.Long("Dx"), row.Long("Dy"), x, y,
              row.Long("Alignment"), row.Long("Flat3D"));
  return PixelOffset(x, y);
}

// A text of a Hebrew font goes in display order unless the font-name service says it needs none.
Bytes ElementCompiler::prvValueTextBytes(const std::string& text, int32_t fontNumber) {
  if (GetFontCharset(fontNumber) == kCharsetHebrew && mFontService->ClassifyText(text) != kTextNeedsNoReordering) {
    return GetAnsiBytes(mFontService->ToDisplayText(text));
  }
  return GetAnsiBytes(text);
}

// A linked text after its length and zero bytes:
//  OFFSET SIZE DESCRIPTION
//   0      1   2: a text of the text table (operand type 0); 3: a text operand
//   1      8   the text operand (operand type other than 0 only)
//   1/9    n   linked text block in the element's frame
Bytes ElementCompiler::prvLinkedTextTail(Recordset& row, int32_t oprndType, int32_t oprndAddr, int32_t fontNumber,
                                         int32_t colour) {
  bool table = oprndType == kTextTableOperand;
  ByteWriter out;
  out.u8(table ? kTextAddress : kTextVariable, "source");
  if (!table) out.bytes(EncodeOperand(oprndType, oprndAddr), "text operand");
  return out
      .bytes(EncodeLinkedTextBlock(*mTextService, oprndAddr, oprndType, row.Long("Xs"), row.Long("Ys"), row.Long("Dx"),
                                   row.Long("Dy"), row.Str("Text"), fontNumber, colour, row.Long("Alignment"),
                                   row.Long("Flat3D")),
             "text")
      .take();
}

// A text of a text source (linked units, an entry text's texts) behind its length byte:
//  OFFSET SIZE DESCRIPTION
//   0      1   length: the linked text tail + 1 + lengthBeyondTail
//   1      2   zero
//   3      n   linked text tail in FontNumber (the source's colour for a text-table text,
//              else ColorFore)
Bytes ElementCompiler::prvLinkedSourceBlock(Recordset& row, const UnitsSource& source, int32_t lengthBeyondTail) {
  int32_t type = source.GetSourceOperandType();
  int32_t colour = type == kTextTableOperand ? source.GetSourceColor() : row.Long("ColorFore");
  Bytes tail = prvLinkedTextTail(row, type, source.GetSourceOperandAddr(), row.Long("FontNumber"), colour);
  ByteWriter out;
  return out.u8(CByte(tail.size() + 1 + lengthBeyondTail, "text length"), "length")
      .u8(0, "zero")
      .u8(0, "zero")
      .bytes(tail)
      .take();
}

bool ElementCompiler::prvSampleTextFits(Recordset& row, const std::string& sample) {
  std::string fitted = prvFitTextToFrame(row.Long("Xs"), row.Long("Ys"), row.Long("Dx"), row.Long("Dy"), sample,
                                         row.Long("FontNumber"), row.Long("Flat3D"));
  if (fitted == sample) return true;
  prvReportTooSmall(row);
  return false;
}

bool ElementCompiler::prvFrameHolds(Recordset& row, int32_t minimumWidth, int32_t minimumHeight) {
  if (row.Long("Dx") >= minimumWidth && row.Long("Dy") >= minimumHeight) return true;
  prvReportTooSmall(row);
  return false;
}

// The element's Text as it is (unlike the text boxes' warning, which puts it on one line).
void ElementCompiler::prvReportTooSmall(Recordset& row) {
  prvReportMessage({kRuleTextDoesNotFit, kSeverityError, row.Long("ModuleID"), row.Str("DisplayName"),
                    row.Str("Text") + kTooSmallToFitText, row.Long("DisplayID"), ElementOfRow(row, row.Str("Text"))});
}

void MeasureFormatSample(TextObject text, std::string (*Sample)(const std::string&), int32_t& width, int32_t& height,
                         std::string& actual) {
  auto fitter = CurrentHost().NewTextFitter();
  fitter->SetSourceText(text.GetText());  // sets the text too
  fitter->SetFrameStyle(text.GetFrameStyle());
  fitter->SetFont(text.GetFont());
  fitter->SetText(Sample(fitter->GetText()));
  actual = fitter->GetText();
  fitter->GetMinimumSize(width, height);
}

}  // namespace brisklet
