// A display's element rows, read once and put in the display record's order.
#include "PreviewElements.h"

#include <algorithm>
#include <map>

#include "database/Recordset.h"
#include "decoding/RecordDecoder.h"

namespace brisklet::cli {

std::vector<ElementRow> ElementsOf(Connection& db, int32_t displayId, const Bytes& displayRecord,
                                   const DecodeContext& context) {
  std::vector<ElementRow> rows;
  Recordset rs(db, "SELECT ID, GUID, Text, Xs, Ys, Dx, Dy FROM HMI_Elements WHERE DisplayID=? ORDER BY ID",
               {Value(displayId)});
  for (; !rs.Eof(); rs.MoveNext()) {
    rows.push_back({rs.Long("ID"),
                    static_cast<uint16_t>(rs.Long("GUID") & 0xFFFF),
                    rs.Str("Text"),
                    {rs.Long("Xs"), rs.Long("Ys"), rs.Long("Dx"), rs.Long("Dy")}});
  }
  if (displayRecord.empty()) return rows;
  std::map<uint16_t, size_t> listed;
  for (const DecodedField& f : DecodeRecord(displayRecord, context).fields) {
    if (f.name.starts_with("\"PT\" element ") && f.name != "\"PT\" element count" && f.size == 2) {
      listed.emplace(static_cast<uint16_t>(displayRecord[f.offset] | (displayRecord[f.offset + 1] << 8)),
                     listed.size());
    }
  }
  auto rank = [&](const ElementRow& r) {
    auto it = listed.find(r.guid);
    return it == listed.end() ? listed.size() : it->second;
  };
  std::ranges::stable_sort(rows, {}, rank);
  return rows;
}

std::vector<NamedElement> NamesOf(const std::vector<ElementRow>& rows) {
  std::vector<NamedElement> names;
  for (const ElementRow& r : rows) names.push_back({r.id, r.name});
  return names;
}

}  // namespace brisklet::cli
