// Field name resolution over a statement's result columns.
#include "database/Columns.h"

#include <algorithm>
#include <cstring>

namespace brisklet {

std::string ToLower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

namespace {
std::string Text(const char* p) { return p ? ToLower(p) : std::string(); }

std::string StripRenaming(const std::string& name) {
  size_t colon = name.rfind(':');
  if (colon == std::string::npos || colon + 1 == name.size()) return name;
  bool digits = std::all_of(name.begin() + static_cast<long>(colon) + 1, name.end(),
                            [](unsigned char c) { return std::isdigit(c); });
  return digits ? name.substr(0, colon) : name;
}
}  // namespace

Columns::Columns(sqlite3_stmt* stmt) {
  int n = sqlite3_column_count(stmt);
  for (int i = 0; i < n; ++i) {
    ColumnInfo c;
    c.reported = Text(sqlite3_column_name(stmt, i));
    c.base = StripRenaming(c.reported);
    c.originTable = Text(sqlite3_column_table_name(stmt, i));
    c.originColumn = Text(sqlite3_column_origin_name(stmt, i));
    mColumns.push_back(std::move(c));
  }
}

uint64_t Columns::HashOf(const NameKey& key) {
  uint64_t h = (key.head ^ (key.tail * 0x9E3779B97F4A7C15ull) ^ key.size) * 0xBF58476D1CE4E5B9ull;
  return h ^ (h >> 29);
}

namespace {
// The bytes a key does not hold: those between the first and last eight of a longer name.
std::string_view MiddleOf(std::string_view name) {
  return name.size() > 16 ? name.substr(8, name.size() - 16) : std::string_view();
}
}  // namespace

int Columns::Find(std::string_view name) const {
  NameKey key = KeyOf(name);
  for (size_t i = HashOf(key) & (kAnswers - 1);; i = (i + 1) & (kAnswers - 1)) {
    const Answer& a = mAnswers[i];
    if (!a.used.load(std::memory_order_acquire)) break;
    if (a.key == key && (key.size <= 16 || a.middle == MiddleOf(name))) return a.index;
  }
  int index = Resolve(ToLower(std::string(name)));
  Remember(key, name, index);
  return index;
}

void Columns::Remember(const NameKey& key, std::string_view name, int index) const {
  std::lock_guard lock(mRemembering);
  if (2 * (mAnswerCount + 1) > kAnswers) return;  // at most half full
  size_t i = HashOf(key) & (kAnswers - 1);
  for (; mAnswers[i].used.load(std::memory_order_relaxed); i = (i + 1) & (kAnswers - 1)) {
    const Answer& a = mAnswers[i];
    if (a.key == key && (key.size <= 16 || a.middle == MiddleOf(name))) return;  // the other thread's
  }
  Answer& a = mAnswers[i];
  a.key = key;
  a.middle = std::string(MiddleOf(name));
  a.index = index;
  a.used.store(true, std::memory_order_release);
  ++mAnswerCount;
}

int Columns::Resolve(const std::string& lower) const {
  auto first = [&](auto&& match) -> int {
    for (size_t i = 0; i < mColumns.size(); ++i) {
      if (match(mColumns[i])) return static_cast<int>(i);
    }
    return -1;
  };
  size_t dot = lower.find('.');
  if (dot != std::string::npos) {
    std::string table = lower.substr(0, dot);
    std::string column = lower.substr(dot + 1);
    // A real table name: its own column, whatever the result calls it.
    int i = first(
        [&](const ColumnInfo& c) { return c.originTable == table && (c.originColumn == column || c.base == column); });
    if (i >= 0) return i;
    // An alias (HMI1, HMI2): the first column of that name, as the select list orders them.
    return Resolve(column);
  }
  int i = first([&](const ColumnInfo& c) { return c.reported == lower; });
  if (i < 0) i = first([&](const ColumnInfo& c) { return c.base == lower; });
  if (i < 0) i = first([&](const ColumnInfo& c) { return c.originColumn == lower; });
  return i;
}

}  // namespace brisklet
