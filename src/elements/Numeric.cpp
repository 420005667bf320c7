// Numbers: "LN" shows a value through a digit mask with its units; "EN", its entry form, also
// lets the operator type a new value.
//
// "LN":                                  "EN":
//  OFFSET SIZE DESCRIPTION                OFFSET SIZE DESCRIPTION
//   0      2   tag "LN"                    0      n   label block "EN" with the count block
//   2     64   numeric body, display form                 (GetEntryCount, GetEntryCode)
//  66      1   units length U              n     64   numeric body, entry form
//  67      u   units                       n+64   1   units length U
//                                          n+65   u   units
// (the numeric body and its units block: NumericBody.cpp; the label block: LabelBlock.cpp)
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/KindRegistry.h"
#include "elements/NumericProperties.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileNumeric(Recordset& row, std::string_view tag) {
  if (prvGetTouchKind(row) == kTouchEntry) return prvCompileNumericEntry(row, EntryTagOf(tag));
  NumericProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  ByteWriter out;
  out.tag(tag);
  if (!prvWriteNumericBody(out, row, p, NumericForm::Display, UnitsLayout::Numeric)) return {};
  return out.take();
}

Bytes ElementCompiler::prvCompileNumericEntry(Recordset& row, std::string_view entryTag) {
  NumericProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  ByteWriter out(prvCompileEntryLabel(row, entryTag, p.GetEntryCount(), p.GetEntryCode()));
  if (!prvWriteNumericBody(out, row, p, NumericForm::Entry, UnitsLayout::Numeric)) return {};
  return out.take();
}

}  // namespace brisklet
