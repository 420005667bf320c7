// Image numbers from the project's image table, cached for one compile.
#include "host/ImageTableService.h"

#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "host/Queries.h"

namespace brisklet {

int32_t ImageTableService::GetImageNumber(int32_t crc, Connection& conn) {
  auto& cache = mHost.Cache().imageNumbers;
  auto it = cache.find(crc);
  if (it != cache.end()) return it->second;
  auto rowid = conn.QueryValue(kSqlImageRowid, {Value(crc)});
  int32_t number = rowid ? rowid->ToLong("rowid") : 0;
  cache.emplace(crc, number);
  return number;
}

}  // namespace brisklet
