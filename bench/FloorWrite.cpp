// Reading and writing the download store with SQLite alone.
#include "FloorWrite.h"

#include <stdexcept>

namespace brisklet::bench {
namespace {

sqlite3_stmt* Prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(db));
  return stmt;
}

void Step(sqlite3* db, sqlite3_stmt* stmt) {
  if (sqlite3_step(stmt) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db));
  sqlite3_reset(stmt);
}

}  // namespace

std::vector<StoredUnit> ReadUnits(sqlite3* db) {
  std::vector<StoredUnit> units;
  sqlite3_stmt* stmt = Prepare(db, "SELECT UnitGuid, UnitType, Mode, Data FROM DownloadUnits");
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    auto* bytes = static_cast<const uint8_t*>(sqlite3_column_blob(stmt, 3));
    units.push_back({sqlite3_column_int64(stmt, 0), sqlite3_column_int64(stmt, 1), sqlite3_column_int64(stmt, 2),
                     std::vector<uint8_t>(bytes, bytes + sqlite3_column_bytes(stmt, 3))});
  }
  sqlite3_finalize(stmt);
  return units;
}

void WriteUnits(sqlite3* db, const std::vector<StoredUnit>& units) {
  sqlite3_stmt* store =
      Prepare(db, "INSERT OR REPLACE INTO DownloadUnits(UnitGuid, UnitType, Mode, Data) VALUES(?, ?, ?, ?)");
  sqlite3_stmt* mark = Prepare(db, "UPDATE DownloadDLUs SET IsCompiled=1 WHERE Guid=?");
  for (const StoredUnit& u : units) {
    sqlite3_bind_int64(store, 1, u.guid);
    sqlite3_bind_int64(store, 2, u.type);
    sqlite3_bind_int64(store, 3, u.mode);
    sqlite3_bind_blob(store, 4, u.data.data(), static_cast<int>(u.data.size()), SQLITE_STATIC);
    Step(db, store);
    sqlite3_bind_int64(mark, 1, u.guid);
    Step(db, mark);
  }
  sqlite3_finalize(store);
  sqlite3_finalize(mark);
}

}  // namespace brisklet::bench
