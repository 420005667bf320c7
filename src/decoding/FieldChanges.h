// What changed between two decoded records, field by field: fields are matched by name, so a
// field that moved (a longer text before it) is compared with itself, not with its offset.
#pragma once
#include <string>
#include <vector>

#include "decoding/DecodedRecord.h"

namespace brisklet {

struct FieldChange {
  std::string name;
  std::string before;  // as shown (meaning or value); "" when the field is new
  std::string after;   // "" when the field is gone
  bool added = false;
  bool removed = false;
};

// The changed and added fields in the order of `after`, then the removed ones in the order of
// `before`. A field counts as changed when its value or its meaning differs.
std::vector<FieldChange> CompareFields(const DecodedRecord& before, const DecodedRecord& after);

}  // namespace brisklet
