// Download bytes of texts, number splitting and the count block.
#include "base/ByteWriter.h"
#include "base/CodePage.h"
#include "encoding/TextEncoding.h"
#include "host/HostFactory.h"

namespace brisklet {

Bytes GetAnsiBytes(const std::string& text) { return ToCodePage(text, CurrentHost().AnsiCodePage()); }

// Counts characters, not bytes: a UTF-8 text may hold several bytes per character.
void prvSplitAtDecimalPoint(const std::string& text, int32_t& before, int32_t& after) {
  size_t p = text.find('.');
  int32_t all = static_cast<int32_t>(CharacterOffsets(text).size() - 1);
  if (p == std::string::npos) {
    before = all;
    after = 0;
  } else {
    before = static_cast<int32_t>(CharacterOffsets(text.substr(0, p)).size() - 1);
    after = all - before - 1;
  }
}

// Count block, 12 bytes: count (1), 0 (1), 2 (1), zero (9).
Bytes EncodeCountBlock(int32_t& count) {
  if (count == 0) count = 1;
  ByteWriter out;
  out.u8(CByte(count, "count")).u8(0).u8(2).zeros(9);
  return out.take();
}

Bytes EncodeEntryCountBlock(int32_t count, int32_t code) {
  Bytes block = EncodeCountBlock(count);
  block[3] = CByte(code, "entry code");
  return block;
}

}  // namespace brisklet
