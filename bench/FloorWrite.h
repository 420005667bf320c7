// The write half of the floor a full compile is measured against: the stored units written
// once, as a compile stores them, with SQLite alone.
#pragma once
#include <sqlite3.h>

#include <cstdint>
#include <vector>

namespace brisklet::bench {

struct StoredUnit {
  int64_t guid, type, mode;
  std::vector<uint8_t> data;
};

// Every unit of the download store.
std::vector<StoredUnit> ReadUnits(sqlite3* db);
// Stores each unit (INSERT OR REPLACE) and marks its bookkeeping row compiled.
void WriteUnits(sqlite3* db, const std::vector<StoredUnit>& units);

}  // namespace brisklet::bench
