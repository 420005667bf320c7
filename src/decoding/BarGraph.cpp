// Bar graph "BG", 26 bytes.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   reserved
//   3      1   setting 1 (one less than the project's)
//   4      1   setting 2
//   5      1   reserved
//   6      8   first operand
//  14      8   second operand
//  22      4   trailer FF FF FF FF
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeBarGraph(RecordReader& in, std::string_view) {
  in.Tag();
  in.Reserved(1);
  in.Explain("project setting " + std::to_string(in.U8("setting 1") + 1));
  in.U8("setting 2");
  in.Reserved(1);
  in.Operand("first operand");
  in.Operand("second operand");
  in.Filled("trailer", 4, 0xFF);
}

}  // namespace brisklet
