// The findings the last compile kept with the items it stored (CompileItemFindings), as
// `status` and `dump` show them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "database/Value.h"

namespace brisklet {
class Connection;
}

namespace brisklet::cli {

struct KeptFinding {
  int64_t guid = 0;
  std::string item;      // "element" or "display"
  Value itemId;          // the item of that GUID (the first element of it), Null when none
  Value displayId;       // the element's display, or the display itself
  std::string severity;  // "error", "warning" or "notice"
  std::string message;
};

// In the order a compile tells them again: elements, then displays, each by GUID. None when the
// project keeps none (a project no `brisklet compile` has run on has no such table).
std::vector<KeptFinding> ReadKeptFindings(Connection& conn);

}  // namespace brisklet::cli
