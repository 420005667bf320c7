// The display record "PT": palette, state colours, background image, element list, jumps.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "PT"
//   2      2   palette GUID (low 16 bits)
//   4      1   background colour
//   5      1   focus text colour
//   6      1   focus gradient colour
//   7      1   focus gradient companion
//   8      1   disabled text colour
//   9      1   disabled gradient colour
//  10      1   disabled gradient companion
//  11      1   marking text colour (Null is written back as 0)
//  12      1   marking gradient colour (Null is written back as 0)
//  13      1   marking gradient companion
//  14      1   reserved
//  15      1   background image flag
//  16     14   background image placement block (zero without an image)
//  30      2   offset of the jumps block
//  32      2   element count
//  34     2n   element GUIDs (low 16 bits)
//  ...         jumps block "Pj"
#include <algorithm>

#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "displays/DisplayCompiler.h"
#include "displays/Queries.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/ImageEncoding.h"
#include "host/RecordsetAccess.h"

namespace brisklet {
namespace {

uint8_t ColourByte(Recordset& row, const char* column) { return row.Field(column).ToByte(column); }

// A Null marking colour becomes 0 in the display row for good.
uint8_t MarkingColourByte(Recordset& row, const char* column) {
  if (row.Field(column).IsNull()) {
    row.SetField(column, Value(0));
    row.Update();
  }
  return ColourByte(row, column);
}

}  // namespace

std::unique_ptr<Recordset> DisplayCompiler::prvOpenDisplayRow(int32_t displayId) {
  return GetRecordset(kSqlDisplayRow + std::string("?"), {displayId}, 0, 3);
}

void DisplayCompiler::prvNoteCut(const char* field, int64_t value) {
  if (value < 0 || value > 0xFFFF) mCuts.push_back({field, value, 1});
}

// One error per field: its first value that did not fit, and how many more did not.
void DisplayCompiler::prvReportCuts(Recordset& row) {
  std::vector<Cut> cuts;
  for (const Cut& cut : mCuts) {
    auto same = std::find_if(cuts.begin(), cuts.end(), [&](const Cut& c) { return c.field == cut.field; });
    if (same == cuts.end()) cuts.push_back(cut);
    else ++same->count;
  }
  mCuts.clear();
  for (const Cut& cut : cuts) {
    std::string more = cut.count > 1 ? " (and " + std::to_string(cut.count - 1) + " more like it)" : "";
    prvReportMessage({kRuleDisplayValueOver16Bits, kSeverityError, row.Long("ModuleID"), row.Str("Description"),
                      "The HMI Display: '" + row.Str("Description") + "' has the " + cut.field + " " +
                          std::to_string(cut.value) + more + ", which 16 bits cannot hold; the panel would read " +
                          std::to_string(Low16(cut.value)),
                      row.Long("ID")});
  }
}

Bytes DisplayCompiler::prvCompileDisplayRecord(Recordset& row) {
  mCuts.clear();
  prvNoteCut("palette GUID", row.Long("PaletteGUID"));
  ByteWriter out;
  out.tag("PT")
      .u16(Low16(row.Long("PaletteGUID")), "palette GUID")
      .u8(ColourByte(row, "ColorBack"), "background colour")
      .u8(ColourByte(row, "ColorFocusText"), "focus text colour")
      .u8(ColourByte(row, "ColorFocusGradient"), "focus gradient colour")
      .u8(CompanionColorByte(row.Long("ColorFocusGradient")), "focus gradient companion")
      .u8(ColourByte(row, "ColorDisabledText"), "disabled text colour")
      .u8(ColourByte(row, "ColorDisabledGradient"), "disabled gradient colour")
      .u8(CompanionColorByte(row.Long("ColorDisabledGradient")), "disabled gradient companion")
      .u8(MarkingColourByte(row, "ColorMarkingText"), "marking text colour")
      .u8(MarkingColourByte(row, "ColorMarkingGradient"), "marking gradient colour")
      .u8(CompanionColorByte(row.Long("ColorMarkingGradient")), "marking gradient companion")
      .u8(0, "reserved");
  const Value& crcValue = row.Field("BkImageCRC");
  int32_t crc = crcValue.IsNull() ? 0 : crcValue.ToLong("BkImageCRC");
  if (crc != -1 && crc != 0) {
    int32_t number = prvImageNumber(crc);
    out.u8(1, "background image flag")
        .bytes(EncodeImageBlock(0, 0, number, crc, row.Long("BKImageTransparency"), -1, -1), "background image");
  } else {
    out.u8(0, "background image flag").zeros(14, "background image");
  }
  Bytes list;
  int32_t count = 0;
  prvGetDisplayElementList(row.Long("ID"), list, count);
  size_t jumpsOffset = 34 + list.size();
  prvNoteCut("jumps offset", static_cast<int64_t>(jumpsOffset));
  prvNoteCut("element count", count);
  out.u16(Low16(static_cast<int64_t>(jumpsOffset)), "jumps offset").u16(Low16(count), "element count").bytes(list);
  Bytes jumps = prvCompileDisplayJumps(row.Long("ID"), row.Long("IsDisplayedOpType"), row.Long("IsDisplayedOpAddress"));
  prvReportCuts(row);
  return out.bytes(jumps).take();
}

void DisplayCompiler::prvGetDisplayElementList(int32_t displayId, Bytes& list, int32_t& count) {
  std::vector<Value> id{displayId};
  // Frames first, then every other kind but hidden ones and variables, then the variables.
  auto frames = GetRecordset(kSqlFrameGuids + std::string("?") + kSqlFrameGuidsEnd, id, 3, 1);
  prvAppendElementGuids(list, *frames);
  auto others = GetRecordset(kSqlOtherGuids + std::string("?") + kSqlOtherGuidsEnd, id, 3, 1);
  prvAppendElementGuids(list, *others);
  auto variables = GetRecordset(kSqlVariableGuids + std::string("?") + kSqlVariableGuidsEnd, id, 3, 1);
  prvAppendElementGuids(list, *variables);
  count = static_cast<int32_t>(list.size() / 2);
}

void DisplayCompiler::prvAppendElementGuids(Bytes& list, Recordset& rs) {
  ByteWriter out(std::move(list));
  for (; !rs.Eof(); rs.MoveNext()) {
    int32_t guid = rs.Long("VariableGUID");
    prvNoteCut("element GUID", guid);
    out.u16(Low16(guid), "element");
  }
  list = out.take();
}

}  // namespace brisklet
