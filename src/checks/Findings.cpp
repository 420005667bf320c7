// Findings and the naming of orphan rows.
#include "checks/Findings.h"

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
  return f;
}

}  // namespace brisklet
