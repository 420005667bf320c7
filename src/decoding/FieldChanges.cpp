// Field-by-field and entry-by-entry comparison of two decoded records.
#include "decoding/FieldChanges.h"

#include <algorithm>
#include <map>

namespace brisklet {
namespace {

bool Same(const DecodedField& a, const DecodedField& b) { return a.value == b.value && a.meaning == b.meaning; }

// The changes between two sets of fields, each matched by the name `nameOf` gives it.
template <typename NameOf>
std::vector<FieldChange> CompareFields(const std::vector<const DecodedField*>& before,
                                       const std::vector<const DecodedField*>& after, NameOf nameOf) {
  std::map<std::string, const DecodedField*> old;
  for (const DecodedField* f : before) old.emplace(nameOf(*f), f);
  std::vector<FieldChange> changes;
  for (const DecodedField* f : after) {
    auto it = old.find(nameOf(*f));
    if (it == old.end()) {
      changes.push_back({nameOf(*f), std::nullopt, *f});
      continue;
    }
    if (!Same(*it->second, *f)) changes.push_back({nameOf(*f), *it->second, *f});
    old.erase(it);
  }
  for (const DecodedField* f : before) {
    if (old.count(nameOf(*f))) changes.push_back({nameOf(*f), *f, std::nullopt});
  }
  return changes;
}

struct Entry {
  uint32_t place = 0;
  std::vector<const DecodedField*> fields;  // without the layout's bookkeeping
  std::string key;                          // what it holds: its fields' names and values
};

// The lists of a record, in the order they come, each with its entries in order.
std::vector<std::pair<std::string, std::vector<Entry>>> ListsOf(const DecodedRecord& record) {
  std::vector<std::pair<std::string, std::vector<Entry>>> lists;
  std::map<std::pair<std::string, uint32_t>, Entry> entries;
  for (const DecodedField& f : record.fields) {
    if (f.entry == 0 || f.kind == FieldKind::Layout) continue;
    auto [it, fresh] = entries.try_emplace({f.list, f.entry});
    if (fresh) {
      auto list = std::find_if(lists.begin(), lists.end(), [&](const auto& l) { return l.first == f.list; });
      if (list == lists.end()) lists.emplace_back(f.list, std::vector<Entry>{});
    }
    it->second.place = f.entry;
    it->second.fields.push_back(&f);
    it->second.key += f.member + '\x1f' + f.value + '\x1e';
  }
  for (auto& [list, items] : lists) {
    for (auto it = entries.lower_bound({list, 0}); it != entries.end() && it->first.first == list; ++it) {
      items.push_back(std::move(it->second));
    }
  }
  return lists;
}

std::vector<DecodedField> Copies(const Entry& e) {
  std::vector<DecodedField> out;
  for (const DecodedField* f : e.fields) out.push_back(*f);
  return out;
}

void CompareLists(const std::string& list, const std::vector<Entry>& a, const std::vector<Entry>& b,
                  std::vector<EntryChange>& out) {
  // The longest common run, by the usual table from the ends.
  size_t n = a.size(), m = b.size();
  std::vector<std::vector<uint32_t>> run(n + 1, std::vector<uint32_t>(m + 1, 0));
  for (size_t i = n; i-- > 0;) {
    for (size_t j = m; j-- > 0;) {
      run[i][j] = a[i].key == b[j].key ? run[i + 1][j + 1] + 1 : std::max(run[i + 1][j], run[i][j + 1]);
    }
  }
  // The entries out of the run, with the gap (between two kept entries) each falls in.
  std::vector<std::pair<size_t, size_t>> gone, come;  // entry index, gap
  size_t i = 0, j = 0, gap = 0;
  while (i < n || j < m) {
    if (i < n && j < m && a[i].key == b[j].key) {
      ++i, ++j, ++gap;
    } else if (j == m || (i < n && run[i + 1][j] >= run[i][j + 1])) {
      gone.emplace_back(i++, gap);
    } else {
      come.emplace_back(j++, gap);
    }
  }
  std::vector<bool> goneUsed(gone.size()), comeUsed(come.size());
  for (size_t g = 0; g < gone.size(); ++g) {
    for (size_t c = 0; c < come.size(); ++c) {
      if (!comeUsed[c] && a[gone[g].first].key == b[come[c].first].key) {
        goneUsed[g] = comeUsed[c] = true;
        const Entry& e = b[come[c].first];
        out.push_back({list, EntryChange::Kind::Moved, a[gone[g].first].place, e.place, Copies(e), {}});
        break;
      }
    }
  }
  // Pairwise in place: the first gone entry of a gap with the first new one of the same gap.
  // An entry of one field is what it holds (an element's GUID): another value is another entry.
  for (size_t g = 0; g < gone.size(); ++g) {
    if (goneUsed[g] || a[gone[g].first].fields.size() < 2) continue;
    for (size_t c = 0; c < come.size(); ++c) {
      if (comeUsed[c] || come[c].second != gone[g].second) continue;
      goneUsed[g] = comeUsed[c] = true;
      const Entry &was = a[gone[g].first], &is = b[come[c].first];
      out.push_back({list, EntryChange::Kind::Changed, was.place, is.place, Copies(is),
                     CompareFields(was.fields, is.fields, [](const DecodedField& f) { return f.member; })});
      break;
    }
  }
  for (size_t g = 0; g < gone.size(); ++g) {
    const Entry& e = a[gone[g].first];
    if (!goneUsed[g]) out.push_back({list, EntryChange::Kind::Removed, e.place, 0, Copies(e), {}});
  }
  for (size_t c = 0; c < come.size(); ++c) {
    const Entry& e = b[come[c].first];
    if (!comeUsed[c]) out.push_back({list, EntryChange::Kind::Added, 0, e.place, Copies(e), {}});
  }
}

}  // namespace

RecordChanges CompareRecords(const DecodedRecord& before, const DecodedRecord& after) {
  RecordChanges changes;
  auto outside = [](const DecodedRecord& r) {
    std::vector<const DecodedField*> fields;
    for (const DecodedField& f : r.fields) {
      if (f.entry == 0) fields.push_back(&f);
    }
    return fields;
  };
  changes.fields = CompareFields(outside(before), outside(after), [](const DecodedField& f) { return f.name; });

  auto newLists = ListsOf(after);
  auto oldLists = ListsOf(before);
  // (Named pairs, not structured bindings: a lambda may not capture those in C++20 on clang.)
  for (const auto& newList : newLists) {
    const auto& list = newList.first;
    auto old = std::find_if(oldLists.begin(), oldLists.end(), [&](const auto& l) { return l.first == list; });
    CompareLists(list, old == oldLists.end() ? std::vector<Entry>{} : old->second, newList.second, changes.entries);
  }
  for (const auto& oldList : oldLists) {
    const auto& list = oldList.first;
    auto now = std::find_if(newLists.begin(), newLists.end(), [&](const auto& l) { return l.first == list; });
    if (now == newLists.end()) CompareLists(list, oldList.second, {}, changes.entries);
  }

  // The layout's counts and offsets follow the rest: they are news only when nothing else is.
  auto layout = [](const FieldChange& c) { return (c.after ? c.after : c.before)->kind == FieldKind::Layout; };
  if (!std::all_of(changes.fields.begin(), changes.fields.end(), layout) || !changes.entries.empty()) {
    std::erase_if(changes.fields, layout);
  }
  return changes;
}

}  // namespace brisklet
