// Image numbers from the project's image table, cached for one compile.
#include "host/ImageTableService.h"

#include "database/Connection.h"
#include "host/DefaultHost.h"

namespace brisklet {

int32_t ImageTableService::GetImageNumber(int32_t crc, Connection& conn) {
  auto& cache = mHost.Cache().imageNumbers;
  auto it = cache.find(crc);
  if (it != cache.end()) return it->second;
  sqlite3_stmt* stmt = conn.Prepared("SELECT rowid FROM ProjectImages WHERE CRC=?");
  BindAll(stmt, {Value(crc)});
  int32_t number = 0;
  if (sqlite3_step(stmt) == SQLITE_ROW) number = static_cast<int32_t>(sqlite3_column_int64(stmt, 0));
  sqlite3_reset(stmt);
  cache.emplace(crc, number);
  return number;
}

}  // namespace brisklet
