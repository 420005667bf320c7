// Text fields "LA", 20 bytes, and their entry form "EA": tag, or label block and two zero
// bytes; then the field.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   font index
//   2      1   style
//   3      1   zero
//   4      4   text position
//   8      1   field length
//   9      1   zero
//  10      8   the operand that holds the characters
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeTextField(RecordReader& in, std::string_view tag) {
  ReadTagOrLabel(in, tag, LabelForm::Counted, false);
  if (IsEntryForm(tag)) in.Reserved(2);
  ReadTextHead(in, "style");
  in.U8(field::kFieldLength);
  in.Reserved(1);
  in.Operand("operand");
}

}  // namespace brisklet
