// The label block that begins every entry form ("EN", "ER", "ET", "EC", "EO", "EU", "EF",
// and "EP" / "EA" without the count block).
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   label font index (DescriptionFontNumber; low byte, 0 for an unknown font)
//   3      1   label length L
//   4      n   the label, by StorageText and StrStorageOprndType:
//               StorageText 0:  the Text's bytes (then 00 for a terminated label), then FF
//                               when Len(Text) + 1 is odd; L = Len(Text) + 1, plus 1 for
//                               the FF (a counted label counts byte 3, a terminated one its 00)
//               operand type 0: 00, linked text tail of a text-table text (StrStorageFont);
//                               L = linked block + 2
//               other type:     00, linked text tail with the text operand (FontNumber);
//                               L = linked block + 10
//   4+n   12   count block (entry forms): count, 0, 2, entry code, zero (8)
#include "base/ByteWriter.h"
#include "base/CodePage.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "encoding/FontLookups.h"
#include "encoding/TextEncoding.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileLabelBlock(Recordset& row, std::string_view tag, LabelEnd end) {
  int32_t labelFont = GetFontIndex(row.Long("DescriptionFontNumber"));
  ByteWriter out;
  out.tag(tag).u8(labelFont == -1 ? 0 : LowByte(labelFont), "label font");
  if (row.Long("StorageText") == 0) {
    std::string text = row.Str("Text");
    int32_t length = CharacterCount(text) + 1;
    bool pad = length % 2 == 1;
    out.u8(CByte(length + (pad ? 1 : 0), "label length"), "label length")
        .bytes(prvValueTextBytes(text, row.Long("DescriptionFontNumber")), "label text");
    if (end == LabelEnd::Terminated) out.u8(0, "label end");
    if (pad) out.u8(0xFF, "label pad");
    return out.take();
  }
  int32_t type = row.Long("StrStorageOprndType");
  int32_t font = row.Long(type == kTextTableOperand ? "StrStorageFont" : "FontNumber");
  Bytes tail = prvLinkedTextTail(row, type, row.Long("StrStorageOprndAddr"), font, row.Long("ColorFore"));
  return out.u8(CByte(tail.size() + 1, "label length"), "label length").u8(0, "label zero").bytes(tail, "label").take();
}

Bytes ElementCompiler::prvCompileEntryLabel(Recordset& row, std::string_view tag, int32_t count, int32_t code,
                                            LabelEnd end) {
  ByteWriter out(prvCompileLabelBlock(row, tag, end));
  return out.bytes(EncodeEntryCountBlock(count, code), "count block").take();
}

}  // namespace brisklet
