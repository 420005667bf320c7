// Text button "BT": a picture, then the text of a text box.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   constant 0
//   3      1   reserved
//   4     14   image placement block
//  18      1   text mode
//  19      1   reserved
//  20      n   text block
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeTextButton(RecordReader& in, std::string_view) {
  in.Tag();
  in.Reserved(2);
  {
    RecordReader::Part image(in, "image");
    ReadImageBlock(in);
  }
  ReadModeAndText(in);
}

}  // namespace brisklet
