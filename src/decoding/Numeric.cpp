// Numbers "LN" and their entry form "EN".
//
// "LN": tag (2), numeric body with the units (NumericBody.cpp), display form.
// "EN": label block with the count block, numeric body with the units, entry form.
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeNumeric(RecordReader& in, std::string_view tag) {
  bool entry = IsEntryForm(tag);
  if (entry) {
    ReadLabelBlock(in, LabelForm::Counted);
    ReadCountBlock(in);
  } else {
    in.Tag();
  }
  ReadNumericBody(in, entry, UnitsLayout::Numeric);
}

}  // namespace brisklet
