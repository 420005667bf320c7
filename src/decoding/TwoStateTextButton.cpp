// Text button "LB": two items, one per button state.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   text source: 2 linked, 1 fixed texts
//   3      1   reserved
//   4      2   offset of item 1 (4, from this field to byte 8)
//   6      2   offset of item 2, from this field (signed)
//   8     ..   item 1: geometry block (12), text block
//   ..    ..   item 2: geometry block (12), text block
#include <vector>

#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeTwoStateTextButton(RecordReader& in, std::string_view) {
  in.Tag();
  bool linked = ReadTextSource(in);
  std::vector<size_t> starts;
  size_t entry = in.Offset();
  starts.push_back(entry + in.U16("item 1 offset"));
  entry = in.Offset();
  starts.push_back(static_cast<size_t>(static_cast<int64_t>(entry) + in.I16("item 2 offset")));
  ReadTextItems(in, starts, linked);
}

}  // namespace brisklet
