// Meter "MG", 46 bytes.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2     14   image placement block
//  16      1   setting
//  17      1   needle reach in pixels
//  18      1   needle width
//  19      1   reversed sweep
//  20      2   needle centre x
//  22      2   needle centre y
//  24      2   first angle (degrees)
//  26      2   second angle
//  28      4   value 1
//  32      4   value 2
//  36      8   reserved
//  44      2   trailer FF FF
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeMeter(RecordReader& in, std::string_view) {
  in.Tag();
  {
    RecordReader::Part image(in, std::string(field::kImage));
    ReadImageBlock(in);
  }
  in.U8("setting");
  in.U8(field::kNeedleReach);
  in.U8(field::kNeedleWidth);
  in.U8(field::kReversed);
  in.U16(field::kCentreX);
  in.U16(field::kCentreY);
  in.U16(field::kFirstAngle);
  in.U16(field::kSecondAngle);
  in.I32("value 1");
  in.I32("value 2");
  in.Reserved(8);
  in.Filled("trailer", 2, 0xFF);
}

}  // namespace brisklet
