// The result columns of one statement and the rules that find a field by the name the
// compilers use: case-insensitive, qualified ("HMI1.DisplayID", "Trends.Name") or bare,
// and through SQLite's renaming of duplicates inside parenthesised joins ("ModuleID:1").
#pragma once
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brisklet {

struct ColumnInfo {
  std::string reported;      // the name SQLite gives the result column, lower case
  std::string base;          // reported without a ":n" suffix
  std::string originTable;   // base table of a plain column reference, lower case ("" otherwise)
  std::string originColumn;  // its column in that table, lower case
};

class Columns {
 public:
  explicit Columns(sqlite3_stmt* stmt);
  int Count() const { return static_cast<int>(mColumns.size()); }
  const ColumnInfo& At(int i) const { return mColumns[static_cast<size_t>(i)]; }
  // Index of the field of that name, or -1.
  int Find(std::string_view name) const;

 private:
  int Resolve(const std::string& lowerName) const;
  std::vector<ColumnInfo> mColumns;
  // The answers given so far, by the exact spelling asked for: compilers read the same few
  // fields row after row, so this small open-addressed table answers nearly every call.
  struct Answer {
    uint64_t hash = 0;
    std::string name;
    int index = -1;
    bool used = false;
  };
  mutable std::vector<Answer> mAnswers = std::vector<Answer>(64);
  mutable size_t mAnswerCount = 0;
  void Remember(uint64_t hash, std::string_view name, int index) const;
};

std::string ToLower(std::string s);

}  // namespace brisklet
