// Operand text list "LR": n items, of which the panel shows one, each in the element's frame;
// a table gives each item's two operands and the offset that leads to it.
//
//  OFFSET        SIZE DESCRIPTION
//   0             2   tag
//   2             1   text source: 2 linked, 1 fixed texts
//   3             1   reserved
//   4             2   item count n (low 16 bits)
//   6 + 18 (i-1)  8   first operand of item i, i = 1 .. n
//  14 + 18 (i-1)  8   second operand of item i
//  22 + 18 (i-1)  2   offset of item i: from this field to the item's first byte
//   6 + 18n      ..   the items in order: geometry block (12), text block
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/TextItems.h"
#include "encoding/OperandEncoding.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileOperandTextList(Recordset& row, std::string_view tag) {
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
      .zeros(18 * static_cast<size_t>(n), "item");
  bool allFit = true;
  for (int32_t i = 1; i <= n; ++i) {
    TextItemProperties item = Indexed(items, i);
    size_t entry = 6 + 18 * static_cast<size_t>(i - 1);
    out.patchBytes(entry, EncodeOperand(item.FirstOperandType(), item.FirstOperandAddress()));        // first operand
    out.patchBytes(entry + 8, EncodeOperand(item.SecondOperandType(), item.SecondOperandAddress()));  // second
    out.patchU16(entry + 16, Low16(static_cast<int64_t>(out.size() - (entry + 16))));                 // offset
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
