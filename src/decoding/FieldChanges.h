// What changed between two decoded records: fields are matched by name, so a field that moved
// (a longer text before it) is compared with itself, not with its offset; the entries of a list
// (a display's elements, its jumps, a list's items) are matched by what they hold, so one entry
// taken out is one change, not every later entry shifted.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "decoding/DecodedRecord.h"

namespace brisklet {

struct FieldChange {
  std::string name;                    // the record's field name, or the name within an entry
  std::optional<DecodedField> before;  // absent when the field is new
  std::optional<DecodedField> after;   // absent when the field is gone
};

struct EntryChange {
  enum class Kind { Removed, Added, Moved, Changed };
  std::string list;  // "\"PT\" element list"
  Kind kind = Kind::Changed;
  uint32_t was = 0;                  // the entry's place in the old list, 0 when it is new
  uint32_t is = 0;                   // its place in the new list, 0 when it is gone
  std::vector<DecodedField> fields;  // the entry's fields (the old ones when it is gone)
  std::vector<FieldChange> changes;  // Changed: its fields that differ, by their names within it
};

struct RecordChanges {
  std::vector<FieldChange> fields;   // outside the lists
  std::vector<EntryChange> entries;  // by list, in the order the lists come
  bool Empty() const { return fields.empty() && entries.empty(); }
};

// Fields outside lists: the changed and added ones in the order of `after`, then the removed
// ones in the order of `before`; a field counts as changed when its value or its meaning
// differs. Counts and offsets the layout keeps are left out when anything else changed.
// Entries: the longest run of equal entries is kept; an entry that is on both sides out of
// that run moved; the other entries between two kept ones are changed in place pairwise, the
// ones left over are removed or added.
RecordChanges CompareRecords(const DecodedRecord& before, const DecodedRecord& after);

}  // namespace brisklet
