// A finding collected by the aggregating checks before it is reported.
#pragma once
#include <cstdint>
#include <string>

#include "database/Recordset.h"

namespace brisklet {

struct Finding {
  std::string text;  // touch address list or variable name
  int32_t displayId = 0;
  std::string description;  // display the report names
  int32_t count = 1;        // items the text lists
  int32_t moduleId = 0;
  std::string displays;  // display list (names check)
};

// The display's description; a row whose display does not exist (the checks join Pages
// with LEFT JOIN) is named by its display number instead of failing the check.
std::string DescriptionOf(const Recordset& row);
int32_t ModuleIdOf(const Recordset& row);
Finding NewFinding(const Recordset& row, std::string text, int32_t displayId);

}  // namespace brisklet
