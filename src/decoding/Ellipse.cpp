// Ellipse "EL" (40 bytes) and rounded rectangle "RR" (42 bytes): one layout.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   colour
//   3      1   constant FF
//   4      8   bounding box
//  12     28   reserved ("RR": 30)
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeEllipse(RecordReader& in, std::string_view tag) {
  in.Tag();
  in.Colour(field::kColour);
  in.Fixed("constant FF", 1, 0xFF);
  {
    RecordReader::Part box(in, std::string(field::kBox));
    ReadBoxBlock(in);
  }
  in.Reserved(tag == "RR" ? 30 : 28);
}

}  // namespace brisklet
