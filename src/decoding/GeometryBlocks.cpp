// Geometry, box, line and image placement blocks.
//
// Geometry block:                        Box block:
//  OFFSET SIZE DESCRIPTION                OFFSET SIZE DESCRIPTION
//   0      2   width                       0      2   width
//   2      2   height                      2      2   height
//   4      4   top-left pixel offset       4      4   top-left pixel offset
//   8      1   colour
//   9      1   companion colour          Line block:
//  10      1   border width code           0      2   width, FFFF when slanted
//  11      1   3D border flag              2      2   height, FFFF when slanted
//                                          4      4   start pixel offset
// Image placement block:                   8      4   end pixel offset
//   0      4   pixel offset
//   4      2   1 when transparent
//   6      1   key colour, first byte
//   7      1   key colour, second byte
//   8      2   image number
//  10      4   image CRC
#include <cstdio>

#include "decoding/BlockReaders.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {
namespace {

std::string Slanted(uint32_t size) { return size == 0xFFFF ? "slanted" : ""; }

std::string Crc(int32_t crc) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<uint32_t>(crc));
  return text;
}

}  // namespace

void ReadGeometryBlock(RecordReader& in) {
  in.U16(field::kWidth);
  in.U16(field::kHeight);
  in.Position(field::kPosition);
  in.Colour(field::kColour);
  in.Colour("companion colour");
  in.U8(field::kBorderWidth);
  in.U8(field::k3DFlag);
}

void ReadBoxBlock(RecordReader& in) {
  in.U16(field::kWidth);
  in.U16(field::kHeight);
  in.Position(field::kPosition);
}

void ReadLineBlock(RecordReader& in) {
  in.Explain(Slanted(in.U16("width")));
  in.Explain(Slanted(in.U16("height")));
  in.Position(field::kStart);
  in.Position(field::kEnd);
}

void ReadImageBlock(RecordReader& in) {
  in.Position(field::kPosition);
  in.U16(field::kTransparent);
  in.U8(field::kKeyColour1);
  in.U8(field::kKeyColour2);
  in.U16("image number");
  in.Key();
  in.Explain(Crc(in.I32(field::kImageCrc)));
}

}  // namespace brisklet
