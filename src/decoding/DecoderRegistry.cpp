// The table of the element kinds' decoders.
#include "decoding/DecoderRegistry.h"

namespace brisklet {
namespace {

#define KIND(type, varType, tag, entryTag, download, entry, properties, background, touch, compiler, decoder, ...) \
  {tag, download, entryTag, entry, &decoder},
#define KIND_SHARED KIND
#define KIND_PENDING(type, varType, tag, entryTag, download, entry, ...) {tag, download, entryTag, entry, nullptr},
constexpr KindDecoderRow kRows[] = {
#include "base/ElementKinds.def"
};
#undef KIND
#undef KIND_SHARED
#undef KIND_PENDING

}  // namespace

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
