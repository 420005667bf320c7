// Text button "LB": two items, one per button state, each in the element's frame.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   text source: 2 linked, 1 fixed texts
//   3      1   reserved
//   4      2   offset of item 1: always 4, from this field to byte 8
//   6      2   offset of item 2: from this field to the item's first byte (signed 16 bits)
//   8     ..   item 1: geometry block (12), text block
//   ..    ..   item 2: geometry block (12), text block
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/KindProperties.h"
#include "elements/TextItems.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileTwoStateTextButton(Recordset& row, std::string_view tag) {
  ButtonProperties button;
  button.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  TextItemFrame frame(row, button.IsLinked());
  std::vector<TextItemProperties> items = button.ItemAt();
  TextItemProperties first = Indexed(items, 1), second = Indexed(items, 2);
  ByteWriter out;
  out.tag(tag)
      .u8(TextSourceByte(button.IsLinked()), "text source")
      .u8(0, "reserved")
      .u16(4, "item 1 offset")
      .u16(0, "item 2 offset")
      .bytes(frame.GeometryBlock(first), "item 1");
  // Both states are tested as soon as the first frame is written.
  bool firstFits = frame.Fits(first);
  if (!(frame.Fits(second) && firstFits)) {
    prvReportMessage({kRuleTextDoesNotFit, kSeverityWarning, row.Long("ModuleID"), row.Str("DisplayName"),
                      ItemsFitWarning(row.Str("Text")), row.Long("DisplayID"), ElementOfRow(row, row.Str("Text"))});
  }
  out.bytes(frame.TextBlock(first, *mTextService), "item 1 text");
  out.patchU16(6, static_cast<uint16_t>(CheckedInteger(static_cast<int64_t>(out.size()) - 6, "offset of item 2")));
  out.bytes(frame.GeometryBlock(second), "item 2").bytes(frame.TextBlock(second, *mTextService), "item 2 text");
  return out.take();
}

}  // namespace brisklet
