// Rectangle "RC", 36 bytes: the four edges as box blocks.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   colour
//   3      1   pen width
//   4      8   top edge box
//  12      8   right edge box
//  20      8   bottom edge box
//  28      8   left edge box
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeRectangle(RecordReader& in, std::string_view) {
  in.Tag();
  in.Colour(field::kColour);
  in.U8(field::kPenWidth);
  for (std::string_view edge : field::kEdges) {
    RecordReader::Part part(in, std::string(edge));
    ReadBoxBlock(in);
  }
}

}  // namespace brisklet
