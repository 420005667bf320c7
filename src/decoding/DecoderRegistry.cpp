// The table of the element kinds' decoders.
#include "decoding/DecoderRegistry.h"

namespace brisklet {
namespace {

#define KIND_DECODER(tag, type, entryTag, entryType, decoder) {tag, type, entryTag, entryType, &decoder},
#define KIND_PENDING(tag, type, entryTag, entryType, decoder) {tag, type, entryTag, entryType, nullptr},
constexpr KindDecoderRow kRows[] = {
#include "decoding/DecoderKinds.def"
};
#undef KIND_DECODER
#undef KIND_PENDING

}  // namespace

std::span<const KindDecoderRow> KindDecoderTable() { return kRows; }

const KindDecoderRow* FindKindDecoder(std::string_view tag) {
  for (const KindDecoderRow& row : kRows) {
    if (row.tag == tag || (!row.entryTag.empty() && row.entryTag == tag)) return &row;
  }
  return nullptr;
}

std::string DownloadTypeMeaning(int32_t downloadType) {
  std::string tags;
  auto add = [&tags](std::string_view tag) {
    if (tags.find(tag) != std::string::npos) return;
    tags += (tags.empty() ? "" : " or ") + std::string(tag);
  };
  for (const KindDecoderRow& row : kRows) {
    if (row.downloadType == downloadType) add(row.tag);
    if (row.entryDownloadType == downloadType && !row.entryTag.empty()) add(row.entryTag);
  }
  return tags;
}

}  // namespace brisklet
