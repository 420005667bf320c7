// The result columns of one statement and the rules that find a field by the name the
// compilers use: case-insensitive, qualified ("HMI1.DisplayID", "Trends.Name") or bare,
// and through SQLite's renaming of duplicates inside parenthesised joins ("ModuleID:1").
#pragma once
#include <sqlite3.h>

#include <string>
#include <unordered_map>
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
  int Find(const std::string& name) const;

 private:
  int Resolve(const std::string& lowerName) const;
  std::vector<ColumnInfo> mColumns;
  mutable std::unordered_map<std::string, int> mLookups;
};

std::string ToLower(std::string s);

}  // namespace brisklet
