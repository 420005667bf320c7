// The items of the text lists ("LL", "LR") and the text button ("LB"): per item, a geometry
// block (12 bytes) and a static or linked text block; the text source byte that says which.
#include "decoding/BlockReaders.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

constexpr uint32_t kLinkedItems = 2;
constexpr uint32_t kFixedItems = 1;

bool ReadTextSource(RecordReader& in) {
  uint32_t source = in.U8("text source");
  in.Explain(source == kLinkedItems ? "linked texts" : source == kFixedItems ? "fixed texts" : "");
  in.Reserved(1);
  return source == kLinkedItems;
}

void ReadTextItems(RecordReader& in, const std::vector<size_t>& starts, bool linked) {
  size_t end = in.Offset() + in.Left();
  for (size_t i = 0; i < starts.size() && !in.Failed(); ++i) {
    std::string item = field::Counted(field::kItem, i + 1);
    if (starts[i] != in.Offset()) {
      in.Problem(item + "'s offset leads to byte " + std::to_string(starts[i]) + ", but it starts at " +
                 std::to_string(in.Offset()));
    }
    RecordReader::Entry part(in, "items", static_cast<uint32_t>(i + 1), item);
    ReadGeometryBlock(in);
    RecordReader::Part text(in, std::string(field::kText));
    if (linked) {
      size_t next = i + 1 < starts.size() ? starts[i + 1] : end;
      ReadLinkedTextBlock(in, next > in.Offset() ? next - in.Offset() : 0);
    } else {
      ReadStaticTextBlock(in);
    }
  }
}

}  // namespace brisklet
