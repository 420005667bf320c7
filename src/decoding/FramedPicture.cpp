// Framed picture "TG", 52 bytes.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2     14   image placement block
//  16     12   frame geometry block
//  28      2   reserved
//  30      1   setting
//  31      1   reserved
//  32      8   first operand
//  40      8   second operand
//  48      4   trailer FF FF FF FF
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeFramedPicture(RecordReader& in, std::string_view) {
  in.Tag();
  {
    RecordReader::Part image(in, "image");
    ReadImageBlock(in);
  }
  {
    RecordReader::Part frame(in, "frame");
    ReadGeometryBlock(in);
  }
  in.Reserved(2);
  in.U8("setting");
  in.Reserved(1);
  in.Operand("first operand");
  in.Operand("second operand");
  in.Filled("trailer", 4, 0xFF);
}

}  // namespace brisklet
