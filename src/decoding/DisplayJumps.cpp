// The jumps block "Pj" that closes a display record, 22 + 8 n bytes.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "Pj"
//   2      1   block code 101
//   3      1   reserved
//   4      2   visibility operand type
//   6      2   visibility operand address
//   8      6   reserved
//  14      2   constructor GUID (FFFF when none)
//  16      2   function GUID
//  18      2   destructor GUID
//  20      1   jump count n
//  21      1   reserved
//  22     8n   per jump: trigger operand type (1), reserved (1), trigger operand address (2),
//              target display GUID (2), reserved (2)
#include "decoding/RecordParts.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void ReadDisplayJumps(RecordReader& in) {
  RecordReader::Part jumps(in, "\"Pj\"");
  in.Tag();
  in.Fixed("block code", 1, 101);
  in.Reserved(1);
  in.U16("visibility operand type");
  in.U16("visibility operand address");
  in.Reserved(6);
  for (const char* loader : {"constructor", "function", "destructor"}) {
    in.Explain(in.U16(loader) == 0xFFFF ? "none" : "");
  }
  uint32_t count = in.U8("jump count");
  in.Mark(FieldKind::Layout);
  in.Reserved(1);
  for (uint32_t i = 1; i <= count; ++i) {
    RecordReader::Entry jump(in, "jumps", i, "jump " + std::to_string(i));
    in.U8("trigger operand type");
    in.Reserved(1);
    in.U16("trigger operand address");
    in.Explain(in.Context().DisplayOf(in.U16("target display")));
    in.Key();
    in.Reserved(2);
  }
}

}  // namespace brisklet
