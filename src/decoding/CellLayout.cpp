// Cell layout "LG", 28 + 14 n bytes.
//
//  OFFSET   SIZE DESCRIPTION
//   0        2   tag
//   2        1   setting 1
//   3        1   reserved
//   4        4   value 1
//   8        4   value 2
//  12        4   inner position
//  16        2   inner width
//  18        2   inner height
//  20        1   setting 2
//  21        1   reserved
//  22        1   cell count n
//  23        1   reserved
//  24      14n   the cells: 4 bytes of the cell's own, its pixel offset (4), 6 bytes of its own
//  24 + 14n  4   trailer FF FF FF FF
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeCellLayout(RecordReader& in, std::string_view) {
  in.Tag();
  in.U8("setting 1");
  in.Reserved(1);
  in.Raw("value 1", 4);
  in.Raw("value 2", 4);
  in.Position("inner position");
  in.U16("inner width");
  in.U16("inner height");
  in.U8("setting 2");
  in.Reserved(1);
  uint32_t count = in.U8("cell count");
  in.Reserved(1);
  for (uint32_t i = 1; i <= count; ++i) {
    RecordReader::Part cell(in, "cell " + std::to_string(i));
    in.Raw("head", 4);
    in.Position("position");
    in.Raw("tail", 6);
  }
  in.Filled("trailer", 4, 0xFF);
}

}  // namespace brisklet
