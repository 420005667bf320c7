// Dates and clocks "LC" and their entry form "EC": tag or label block with the count block,
// then the main block.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   font index
//   2      1   style
//   3      1   zero
//   4      4   text position
//   8      1   setting
//   9      1   zero
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeClock(RecordReader& in, std::string_view tag) {
  ReadTagOrLabel(in, tag, LabelForm::Counted);
  ReadTextHead(in, "style");
  in.U8(field::kSetting);
  in.Reserved(1);
}

}  // namespace brisklet
