// Findings placed at the element or display of a row.
#include "lint/ItemRows.h"

#include <cmath>
#include <limits>

namespace brisklet {

std::optional<int32_t> WholeOf(const Value& v) {
  if (const int64_t* n = v.IntegerPtr()) {
    if (*n >= std::numeric_limits<int32_t>::min() && *n <= std::numeric_limits<int32_t>::max()) {
      return static_cast<int32_t>(*n);
    }
  }
  return std::nullopt;
}

std::string Downloaded(const LintContext& context) {
  if (context.displays.empty()) return kDownloaded;
  return std::string(kDownloaded) + " AND Pages.Id IN (" + context.displays + ")";
}

std::string TextOf(const Value& v) {
  const std::string* text = v.TextPtr();
  return text ? *text : std::string();
}

namespace {

LintFinding PlacedFinding(const Recordset& row, int32_t rule, std::string message, int32_t part) {
  LintFinding f;
  f.rule = rule;
  f.part = part;
  f.message = std::move(message);
  f.moduleId = WholeOf(row.Field("ModuleID")).value_or(0);
  f.moduleName = TextOf(row.Field("ModuleName"));
  f.displayId = WholeOf(row.Field("DisplayID")).value_or(0);
  f.displayName = TextOf(row.Field("DisplayName"));
  return f;
}

}  // namespace

LintFinding ElementFinding(const Recordset& row, int32_t rule, std::string message, int32_t part) {
  LintFinding f = PlacedFinding(row, rule, std::move(message), part);
  f.element = ElementOfRow(row, TextOf(row.Field("ElementName")), "ElementID", "ElementGUID");
  return f;
}

LintFinding DisplayFinding(const Recordset& row, int32_t rule, std::string message, int32_t part) {
  return PlacedFinding(row, rule, std::move(message), part);
}

std::string ElementNamed(const Recordset& row) { return "'" + TextOf(row.Field("ElementName")) + "'"; }

}  // namespace brisklet
