// String entries "LO" / "LU" and their entry forms "EO" / "EU": tag, or label block ended by a
// zero byte with the count block; then the display part.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   font index
//   2      1   display style
//   3      1   zero
//   4      4   text position
//   8      1   display option
//   9      1   mode code
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeStringEntry(RecordReader& in, std::string_view tag) {
  ReadTagOrLabel(in, tag, LabelForm::Terminated);
  ReadTextHead(in, "display style");
  in.U8("display option");
  in.U8("mode code");
}

}  // namespace brisklet
