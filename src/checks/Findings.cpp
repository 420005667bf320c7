// Findings, the naming of orphan rows, and the walk that groups the rows of a check.
#include "checks/Findings.h"

#include "base/RuntimeError.h"

namespace brisklet {

std::string DescriptionOf(const Recordset& row) {
  const Value& d = row.Field("Description");
  if (!d.IsNull()) return d.ToString("Description");
  return "<missing display " + row.Field("DisplayID").SqlText() + ">";
}

int32_t ModuleIdOf(const Recordset& row) {
  const Value& m = row.Field("ModuleID");
  return m.IsNull() ? 0 : m.ToLong("ModuleID");
}

Finding NewFinding(const Recordset& row, std::string text, int32_t displayId) {
  Finding f;
  f.text = std::move(text);
  f.displayId = displayId;
  f.description = DescriptionOf(row);
  f.moduleId = ModuleIdOf(row);
  f.part = KeyPartOf(row);
  f.sortKey = SortKeyOf(row);
  return f;
}

Value KeyPartOf(const Recordset& row) { return row.HasField("KeyPart") ? row.Field("KeyPart") : Value(); }

Value SortKeyOf(const Recordset& row) { return row.HasField("KeySort") ? row.Field("KeySort") : Value(); }

std::string RowPlace(const Recordset& row, std::string_view displayField) {
  std::string display = row.HasField(displayField) ? row.Field(displayField).SqlText() : "?";
  for (const char* field : {"Text", "VarName"}) {
    if (row.HasField(field) && row.Field(field).IsText()) {
      return "element '" + row.Field(field).ToString() + "' on display " + display;
    }
  }
  return "an element on display " + display;
}

std::vector<Finding> GatherFindings(Recordset& rows, const Grouping& grouping) {
  std::vector<Finding> findings;
  std::string last = grouping.start;
  int64_t lastItem = 0;
  for (; !rows.Eof(); rows.MoveNext()) {
    ErrorScope scope([&rows, &grouping] { return RowPlace(rows, grouping.displayField); });
    for (int64_t n = grouping.times ? grouping.times(rows) : 1; n > 0; --n) {
      std::string group = grouping.of(rows);
      bool same = grouping.same ? grouping.same(group, last) : group == last;
      if (!same) {
        std::optional<Finding> f = grouping.open(rows);
        if (!f) continue;
        findings.push_back(std::move(*f));
        last = group;
        if (grouping.item) lastItem = grouping.item(rows);
      } else if (grouping.item) {
        int64_t item = grouping.item(rows);
        if (findings.empty() || item == lastItem) continue;
        findings.back().list += ", " + grouping.itemText(rows);
        ++findings.back().count;
        lastItem = item;
      }
    }
  }
  return findings;
}

}  // namespace brisklet
