// The project's text table as the preview reads it: the text a linked text names by its index.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace brisklet {

class Connection;

class TextTable {
 public:
  explicit TextTable(Connection& db) : mDb(db) {}
  // The text of that index (ProjectTexts.TextIndex, the first row when several), in UTF-8.
  std::optional<std::string> Text(int64_t index);

 private:
  Connection& mDb;
  std::map<int64_t, std::optional<std::string>> mTexts;
};

}  // namespace brisklet
