// How `diff` shows what changed in a unit: one line per change in text, one object per unit in
// JSON, values as the reader of a review wants them (colours with their RGB, elements with their
// ID and GUID, list entries by their place, never mixed with element IDs).
#pragma once
#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "decoding/FieldChanges.h"

namespace brisklet::cli {

// The labels of one side's units by the low 16 bits of their GUID, as records hold GUIDs:
// "element 17 (GUID 2017)".
using UnitLabels = std::map<uint16_t, std::string>;

// A field as shown: its meaning or value, a colour with its RGB ("12 (#0000FF)"), an element
// GUID as the element ("element 17 (GUID 2017)").
std::string FieldShown(const DecodedField& f, const UnitLabels& labels);

// "element 17 (GUID 2017) "RC" colour: 4 (#000080) -> 12 (#0000FF)", one line per field change;
// "display 1 (GUID 300) "PT" element list: removed element 7 (GUID 2007), was entry 7", one per
// entry change.
void WriteChangesText(std::ostream& out, const std::string& label, const RecordChanges& changes,
                      const UnitLabels& older, const UnitLabels& newer);
// {"fields": [...], "entries": [...]}, the same changes with typed values.
nlohmann::ordered_json ChangesJson(const RecordChanges& changes, const UnitLabels& older, const UnitLabels& newer);

}  // namespace brisklet::cli
