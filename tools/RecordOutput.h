// How `dump` and `diff` show decoded records: a field a line in text, an object a unit in JSON.
#pragma once
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "KeptFindings.h"
#include "base/Bytes.h"
#include "decoding/DecodedRecord.h"

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
// A field's value as a number when it is a whole number, else as the text dump prints.
std::optional<int64_t> NumberOf(const std::string& value);
nlohmann::ordered_json TypedValue(const std::string& value);

nlohmann::ordered_json UnitJson(const DecodedUnit& unit);

}  // namespace brisklet::cli
