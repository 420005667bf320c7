// The decoders of the element kinds (the rows of base/ElementKinds.def with the columns the
// decoding reads) and the look-ups the element record decoder makes in them.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace brisklet {

class RecordReader;

// Reads the kind bytes from their tag on; `tag` is the tag found there.
using KindDecoder = void (*)(RecordReader& in, std::string_view tag);

#define KIND(type, varType, tag, entryTag, download, entry, properties, background, touch, compiler, decoder, ...) \
  void decoder(RecordReader& in, std::string_view found);
#define KIND_SHARED KIND
#define KIND_PENDING(...)
#include "base/ElementKinds.def"
#undef KIND
#undef KIND_SHARED
#undef KIND_PENDING

struct KindDecoderRow {
  std::string_view tag;
  int32_t downloadType;
  std::string_view entryTag;  // "" when the kind has no entry form
  int32_t entryDownloadType;
  KindDecoder decode;  // null: the kind's record is the bare header
};

// The row whose display or entry tag this is; null when there is none.
const KindDecoderRow* FindKindDecoder(std::string_view tag);
// The tags a header's download type stands for ("LN", "LN or EN"); "" for an unknown type.
std::string DownloadTypeMeaning(int32_t downloadType);

}  // namespace brisklet
