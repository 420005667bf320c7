// The result columns of one statement and the rules that find a field by the name the
// compilers use: case-insensitive, qualified ("HMI1.DisplayID", "Trends.Name") or bare,
// and through SQLite's renaming of duplicates inside parenthesised joins ("ModuleID:1").
#pragma once
#include <sqlite3.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
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
  // fields row after row, so this small open-addressed table answers nearly every call. A
  // name is kept as its length and its first and last eight bytes (which, for a name of up
  // to 16 bytes, is the whole name) and the bytes between, so a lookup compares three words.
  // Two threads may ask at once (the rows of one statement are read on both threads of a
  // compile): an answer is written whole, under a mutex, before it is marked used, and the
  // table never moves; once half full, further names are resolved each time they are asked.
  struct NameKey {
    uint64_t head = 0, tail = 0;
    size_t size = 0;
    bool operator==(const NameKey&) const = default;
  };
  struct Answer {
    NameKey key;
    std::string middle;  // the bytes between the first and last eight, of a longer name
    int index = -1;
    std::atomic<bool> used = false;
  };
  static constexpr size_t kAnswers = 256;
  // Fixed-size loads, so the compiler reads words instead of calling memcpy. A name of up to
  // three bytes is its first, middle and last byte; of four to seven, two overlapping words.
  static NameKey KeyOf(std::string_view name) {
    NameKey key;
    key.size = name.size();
    const char* p = name.data();
    if (key.size >= 8) {
      std::memcpy(&key.head, p, 8);
      if (key.size > 8) std::memcpy(&key.tail, p + key.size - 8, 8);
    } else if (key.size >= 4) {
      uint32_t first = 0, last = 0;
      std::memcpy(&first, p, 4);
      std::memcpy(&last, p + key.size - 4, 4);
      key.head = first | uint64_t{last} << 32;
    } else if (key.size > 0) {
      auto byte = [&](size_t i) { return uint64_t{static_cast<unsigned char>(p[i])}; };
      key.head = byte(0) | byte(key.size / 2) << 8 | byte(key.size - 1) << 16;
    }
    return key;
  }
  static uint64_t HashOf(const NameKey& key);
  std::unique_ptr<Answer[]> mAnswers = std::make_unique<Answer[]>(kAnswers);
  mutable std::mutex mRemembering;
  mutable size_t mAnswerCount = 0;
  void Remember(const NameKey& key, std::string_view name, int index) const;
};

std::string ToLower(std::string s);

}  // namespace brisklet
