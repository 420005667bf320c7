// The decoders of the element kinds as a table (one row per line of DecoderKinds.def) and the
// look-ups the element record decoder makes in it.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brisklet {

class RecordReader;

// Reads the kind bytes from their tag on; `tag` is the tag found there.
using KindDecoder = void (*)(RecordReader& in, std::string_view tag);

#define KIND_DECODER(tag, type, entryTag, entryType, decoder) void decoder(RecordReader& in, std::string_view found);
#define KIND_PENDING(tag, type, entryTag, entryType, decoder)
#include "decoding/DecoderKinds.def"
#undef KIND_DECODER
#undef KIND_PENDING

struct KindDecoderRow {
  std::string_view tag;
  int32_t downloadType;
  std::string_view entryTag;  // "" when the kind has no entry form
  int32_t entryDownloadType;
  KindDecoder decode;  // null: the kind's record is the bare header
};

std::span<const KindDecoderRow> KindDecoderTable();
// The row whose display or entry tag this is; null when there is none.
const KindDecoderRow* FindKindDecoder(std::string_view tag);
// The tags a header's download type stands for ("LN", "LN or EN"); "" for an unknown type.
std::string DownloadTypeMeaning(int32_t downloadType);

}  // namespace brisklet
