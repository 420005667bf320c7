// Line "LI", 24 bytes.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   colour
//   3      1   pen width
//   4     12   line block
//  16      8   reserved
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeLine(RecordReader& in, std::string_view) {
  in.Tag();
  in.Colour(field::kColour);
  in.U8(field::kPenWidth);
  {
    RecordReader::Part line(in, std::string(field::kLine));
    ReadLineBlock(in);
  }
  in.Reserved(8);
}

}  // namespace brisklet
