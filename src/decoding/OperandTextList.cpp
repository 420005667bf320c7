// Operand text list "LR": n items, each with two operands and the offset that leads to it.
//
//  OFFSET        SIZE DESCRIPTION
//   0             2   tag
//   2             1   text source: 2 linked, 1 fixed texts
//   3             1   reserved
//   4             2   item count n
//   6 + 18 (i-1)  8   first operand of item i
//  14 + 18 (i-1)  8   second operand of item i
//  22 + 18 (i-1)  2   offset of item i, from this field to the item's first byte
//   6 + 18n      ..   the items: geometry block (12), text block
#include <vector>

#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeOperandTextList(RecordReader& in, std::string_view) {
  in.Tag();
  bool linked = ReadTextSource(in);
  uint32_t count = in.U16("item count");
  in.Mark(FieldKind::Layout);
  std::vector<size_t> starts;
  for (uint32_t i = 1; i <= count && !in.Failed(); ++i) {
    RecordReader::Entry item(in, "items", i, "item " + std::to_string(i));
    in.Operand("first operand");
    in.Operand("second operand");
    size_t entry = in.Offset();
    starts.push_back(entry + in.U16("offset"));
    in.Mark(FieldKind::Layout);
  }
  ReadTextItems(in, starts, linked);
}

}  // namespace brisklet
