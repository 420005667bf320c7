// Field-by-field comparison of two decoded records.
#include "decoding/FieldChanges.h"

#include <map>

namespace brisklet {

std::vector<FieldChange> CompareFields(const DecodedRecord& before, const DecodedRecord& after) {
  std::map<std::string_view, const DecodedField*> old;
  for (const DecodedField& f : before.fields) old.emplace(f.name, &f);
  std::vector<FieldChange> changes;
  for (const DecodedField& f : after.fields) {
    auto it = old.find(f.name);
    if (it == old.end()) {
      changes.push_back({f.name, "", f.Shown(), true, false});
      continue;
    }
    const DecodedField& was = *it->second;
    if (was.value == f.value && was.meaning == f.meaning) {
      // unchanged
    } else if (was.Shown() == f.Shown()) {
      // The same meaning from other bytes (a position read with another screen width): the
      // stored values tell the two sides apart.
      changes.push_back({f.name, was.Shown() + " [" + was.value + "]", f.Shown() + " [" + f.value + "]"});
    } else {
      changes.push_back({f.name, was.Shown(), f.Shown()});
    }
    old.erase(it);
  }
  for (const DecodedField& f : before.fields) {
    if (old.count(f.name)) changes.push_back({f.name, f.Shown(), "", false, true});
  }
  return changes;
}

}  // namespace brisklet
