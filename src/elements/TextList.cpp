// Text list "LL": n items, of which the panel shows one, each in the element's frame; a table
// of offsets leads to them.
//
//  OFFSET     SIZE DESCRIPTION
//   0          2   tag
//   2          1   text source: 2 linked, 1 fixed texts
//   3          1   reserved
//   4          2   item count n (low 16 bits)
//   4 + 2i     2   offset of item i, i = 1 .. n: from this entry to the item's first byte
//   6 + 2n     ..  the items in order: geometry block (12), text block
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/TextItems.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileTextList(Recordset& row, std::string_view tag) {
  TextListProperties list;
  list.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  int32_t n = ItemCountOf(list);
  TextItemFrame frame(row, list.IsLinked());
  std::vector<TextItemProperties> items = list.ItemAt();
  ByteWriter out;
  out.tag(tag)
      .u8(TextSourceByte(list.IsLinked()), "text source")
      .u8(0, "reserved")
      .u16(Low16(n), "item count")
      .zeros(2 * static_cast<size_t>(n), "item offset");
  bool allFit = true;
  for (int32_t i = 1; i <= n; ++i) {
    TextItemProperties item = Indexed(items, i);
    size_t entry = 4 + 2 * static_cast<size_t>(i);
    out.patchU16(entry, Low16(static_cast<int64_t>(out.size() - entry)));  // offset of item i
    allFit = frame.Fits(item) && allFit;
    out.bytes(frame.GeometryBlock(item), "item").bytes(frame.TextBlock(item, *mTextService), "item text");
  }
  if (!allFit) {
    prvReportMessage({kRuleTextDoesNotFit, kSeverityWarning, row.Long("ModuleID"), row.Str("DisplayName"),
                      ItemsFitWarning(row.Str("Text")), row.Long("DisplayID"), ElementOfRow(row, row.Str("Text"))});
  }
  return out.take();
}

}  // namespace brisklet
