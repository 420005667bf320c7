// Numbers "LN" and their entry form "EN".
//
// "LN": tag (2), numeric body with the units (NumericBody.cpp), display form.
// "EN": label block with the count block, numeric body with the units, entry form.
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeNumeric(RecordReader& in, std::string_view tag) {
  ReadTagOrLabel(in, tag, LabelForm::Counted);
  ReadNumericBody(in, IsEntryForm(tag), UnitsLayout::Numeric);
}

}  // namespace brisklet
