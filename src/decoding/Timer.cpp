// Timers "LT" and their entry form "ET": tag or label block with the count block, then the
// main block.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   font index
//   2      1   style
//   3      1   zero
//   4      4   text position
//   8      1   setting A
//   9      1   setting B
//  10      1   format code
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeTimer(RecordReader& in, std::string_view tag) {
  ReadTagOrLabel(in, tag, LabelForm::Counted);
  ReadTextHead(in, "style");
  in.U8("setting A");
  in.U8("setting B");
  in.U8(field::kFormatCode);
}

}  // namespace brisklet
