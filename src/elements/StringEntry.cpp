// String entries: "LO" (VarType 16) and "LU" (VarType 19) show a text field; with touch kind 2
// the record begins with an entry part, "EO" / "EU", through which the operator types it.
//
//  OFFSET SIZE DESCRIPTION
//   0      n   entry part: label block "EO" / "EU" with a terminated label and the count
//              block (1, EntryStyle); without it, the tag "LO" / "LU" (2)
//   n      2   font index (FontNumber; 0 for an unknown font)
//   n+2    1   display style
//   n+3    1   zero
//   n+4    4   sample text position
//   n+8    1   display option
//   n+9    1   mode code: 1 for ModeKind 1 with ModeVariant 2, 2 for ModeKind 2, else 0
//
// The text source's sample text must fit the frame; when it does not, the error names where
// the element stands and the element has no record.
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/KindRegistry.h"
#include "elements/StringEntryProperties.h"
#include "elements/ValueFields.h"

namespace brisklet {
namespace {

int32_t prvGetModeCode(const StringEntryProperties& p) {
  int32_t kind = p.ModeKind();
  if (kind == 1) return p.ModeVariant() == 2 ? 1 : 0;
  return kind == 2 ? 2 : 0;
}

}  // namespace

Bytes ElementCompiler::prvCompileStringEntry(Recordset& row, std::string_view tag) {
  StringEntryProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  return prvCompileStringEntryKind(row, tag, p);
}

Bytes ElementCompiler::prvCompileUnicodeEntry(Recordset& row, std::string_view tag) {
  UnicodeEntryProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  return prvCompileStringEntryKind(row, tag, p);
}

Bytes ElementCompiler::prvCompileStringEntryKind(Recordset& row, std::string_view tag, const StringEntryProperties& p) {
  ByteWriter out;
  if (prvGetTouchKind(row) == kTouchEntry) {
    out.bytes(prvCompileEntryLabel(row, EntryTagOf(tag), 1, p.EntryStyle(), LabelEnd::Terminated));
  } else {
    out.tag(tag);
  }
  out.u16(FontIndexField(row.Long("FontNumber")), "font")
      .u8(CByte(p.DisplayStyle(), "DisplayStyle"), "display style")
      .u8(0, "reserved");
  std::string sample = p.TextSource().SampleText();
  std::string fitted = prvFitTextToFrame(row.Long("Xs"), row.Long("Ys"), row.Long("Dx"), row.Long("Dy"), sample,
                                         row.Long("FontNumber"), row.Long("Flat3D"));
  if (fitted != p.TextSource().SampleText()) {
    prvReportMessage({kRuleTextDoesNotFit, kSeverityError, row.Long("ModuleID"), row.Str("DisplayName"),
                      row.Str("Text") + " on " + prvGetElementLocation(row) + kTooSmallToFitText, row.Long("DisplayID"),
                      ElementOfRow(row, row.Str("Text"))});
    return {};
  }
  return out.i32(SampleTextPosition(row, sample), "text position")
      .u8(CByte(p.DisplayOption(), "DisplayOption"), "display option")
      .u8(CByte(prvGetModeCode(p), "mode code"), "mode code")
      .take();
}

}  // namespace brisklet
