// Point list "TM", 62 + 4 n bytes.
//
//  OFFSET  SIZE DESCRIPTION
//   0       2   tag
//   2      14   image placement block
//  16      12   area geometry block
//  28       1   setting 1
//  29       1   setting 2
//  30       8   first operand
//  38       8   second operand
//  46       1   font index
//  47       1   setting 3
//  48       1   point count n
//  49       1   reserved
//  50      4n   pixel offset of each point
//  50 + 4n 12   trailer, twelve bytes FF
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodePointList(RecordReader& in, std::string_view) {
  in.Tag();
  {
    RecordReader::Part image(in, "image");
    ReadImageBlock(in);
  }
  {
    RecordReader::Part area(in, "area");
    ReadGeometryBlock(in);
  }
  in.U8("setting 1");
  in.U8("setting 2");
  in.Operand("first operand");
  in.Operand("second operand");
  in.Font("font", 1);
  in.U8("setting 3");
  uint32_t count = in.U8("point count");
  in.Reserved(1);
  for (uint32_t i = 1; i <= count; ++i) in.Position("point " + std::to_string(i));
  in.Filled("trailer", 12, 0xFF);
}

}  // namespace brisklet
