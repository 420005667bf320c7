// Findings of the aggregating checks: rows gathered into one finding per group, reported
// after the walk in the order they were made.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "database/Recordset.h"
#include "host/DesignMessage.h"

namespace brisklet {

struct Finding {
  std::string text;  // touch address or variable name
  int32_t displayId = 0;
  std::string description;  // display the report names
  int32_t moduleId = 0;
  std::string list;          // the items of the group (touch addresses, display names)
  int32_t count = 1;         // items the list holds
  MessageElement element{};  // the element (or name) the finding is about
  // Where the finding's first row places it when the incremental compile keeps it (Null
  // for the rows of the checks' own texts).
  Value part, sortKey;
};

// The display's description; a row whose display does not exist (the checks join Pages
// with LEFT JOIN) is named by its display number instead of failing the check.
std::string DescriptionOf(const Recordset& row);
int32_t ModuleIdOf(const Recordset& row);
Finding NewFinding(const Recordset& row, std::string text, int32_t displayId);
// A row's KeyPart and KeySort (Null where the row has none).
Value KeyPartOf(const Recordset& row);
Value SortKeyOf(const Recordset& row);

// How a check groups its rows, which come sorted by group and, within a group, by item.
struct Grouping {
  const char* displayField = "DisplayID";     // the field that names a row's display
  std::string start;                          // the group before the first row
  std::function<std::string(Recordset&)> of;  // the group of a row
  // Whether a row of group `group` belongs to the finding of group `last`; unset: the same text.
  std::function<bool(const std::string& group, const std::string& last)> same;
  // The finding a row of another group makes; none skips the row (the last group stays).
  std::function<std::optional<Finding>(Recordset&)> open;
  // A row of the last group adds ", " + itemText to the finding's list when its item differs
  // from the item of the row that opened or last added to it; unset: such rows add nothing.
  std::function<int64_t(Recordset&)> item;
  std::function<std::string(Recordset&)> itemText;
  // How many rows the row stands for (a check that reads one row per element where its rule
  // walks one per pair); unset: 1.
  std::function<int64_t(Recordset&)> times;
};

// Where a row of a check's walk is, for the run-time errors of the walk: "element 'Box' on
// display 3" (or "an element on display 3" without a text), read without conversions that
// could fail themselves.
std::string RowPlace(const Recordset& row, std::string_view displayField);

// The findings of the rows, one per run of rows of a group, in the order of the rows.
std::vector<Finding> GatherFindings(Recordset& rows, const Grouping& grouping);

}  // namespace brisklet
