// Entry field "LF" and its entry form "EF": tag, or label block ended by a zero byte with the
// count block; the display part; then, for the picker modes 2 to 4, the grid block and the
// names of its cells (KeypadBlocks.cpp).
//
//  OFFSET SIZE DESCRIPTION
//   0      2   font index
//   2      1   display style
//   3      1   zero
//   4      4   text position
//   8      1   entry mode - 1
//   9      1   zero
//  10     12   grid block (modes 2 to 4)
//  22      t   calendar text block (modes 2 to 4)
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeEntryField(RecordReader& in, std::string_view tag) {
  ReadTagOrLabel(in, tag, LabelForm::Terminated);
  ReadTextHead(in, "display style");
  uint32_t mode = in.U8(field::kEntryMode) + 1;
  in.Explain("mode " + std::to_string(mode));
  in.Reserved(1);
  ReadKeypadBlocks(in, mode);
}

}  // namespace brisklet
