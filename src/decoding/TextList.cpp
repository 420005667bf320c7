// Text list "LL": n items, each in the element's frame, led to by a table of offsets.
//
//  OFFSET     SIZE DESCRIPTION
//   0          2   tag
//   2          1   text source: 2 linked, 1 fixed texts
//   3          1   reserved
//   4          2   item count n
//   4 + 2i     2   offset of item i, from this entry to the item's first byte
//   6 + 2n     ..  the items: geometry block (12), text block
#include <vector>

#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeTextList(RecordReader& in, std::string_view) {
  in.Tag();
  bool linked = ReadTextSource(in);
  uint32_t count = in.U16("item count");
  in.Mark(FieldKind::Layout);
  std::vector<size_t> starts;
  for (uint32_t i = 1; i <= count && !in.Failed(); ++i) {
    size_t entry = in.Offset();
    starts.push_back(entry + in.U16("item " + std::to_string(i) + " offset"));
    in.Mark(FieldKind::Layout);
  }
  ReadTextItems(in, starts, linked);
}

}  // namespace brisklet
