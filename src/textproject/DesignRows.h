// Reading the design tables of a project database into a model, and bringing a database to a
// model by changing only the rows that differ (so the edit log marks exactly those items).
#pragma once
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "textproject/DesignModel.h"

namespace brisklet {

// Which rows an apply governs: every design row, or the rows of some displays only (their
// Pages, HMI_Elements, HMIJumps, PagesAndImages rows and the ElementsAndImages rows of their
// elements); rows outside the scope are left as they are.
struct DesignScope {
  std::optional<std::set<int64_t>> displays;  // empty optional: everything

  static DesignScope Everything() { return {}; }
  static DesignScope Displays(std::set<int64_t> ids) { return {std::move(ids)}; }
  bool CoversTable(const std::string& table) const;
};

// Whether a table's rows belong to displays (and so to the display files of the text form).
bool IsDisplayTable(const std::string& table);

// Every design row of the database.
DesignModel ReadDesign(Connection& conn);
// The design rows of the database within the scope.
DesignModel ReadDesign(Connection& conn, const DesignScope& scope);

// A wanted row whose key a row outside the scope already has.
struct KeyClash {
  std::string table;
  RowKey key;
};

struct ApplyCounts {
  size_t inserted = 0;
  size_t updated = 0;
  size_t deleted = 0;
  std::vector<KeyClash> clashes;  // wanted rows not inserted
  size_t Changes() const { return inserted + updated + deleted; }
};

// Makes the rows of the database within the scope those of `wanted` (whose rows must all lie
// within the scope): deletes, updates and inserts only what differs. The caller holds the
// transaction.
ApplyCounts ApplyDesign(Connection& conn, const DesignModel& wanted, const DesignScope& scope);

}  // namespace brisklet
