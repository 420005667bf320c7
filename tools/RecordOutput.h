// How `dump` and `diff` show decoded records: a field a line in text, an object a unit in JSON.
#pragma once
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "KeptFindings.h"
#include "base/Bytes.h"
#include "decoding/DecodedRecord.h"
#include "decoding/FieldChanges.h"

namespace brisklet::cli {

// A record with the item it belongs to ("element 17 (GUID 1042)", "page table"), and the
// findings its compile kept (a stored record made with a warning or a notice).
struct DecodedUnit {
  std::string label;
  Bytes data;
  DecodedRecord record;
  std::vector<KeptFinding> findings;
};

// The label and length, then one line per field (offset, size, name, value, "= meaning"),
// then one line per problem and one per kept finding.
void WriteUnitText(std::ostream& out, const DecodedUnit& unit);
nlohmann::ordered_json UnitJson(const DecodedUnit& unit);

// "element 17 (GUID 1042) "LN" text position: (12, 40) -> (14, 40)", one line per change.
void WriteChangesText(std::ostream& out, const std::string& label, const std::vector<FieldChange>& changes);
nlohmann::ordered_json ChangesJson(const std::vector<FieldChange>& changes);

}  // namespace brisklet::cli
