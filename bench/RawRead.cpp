// Reading HMI_Elements and Pages once, field by field, with plain SQLite calls.
#include "RawRead.h"

#include <stdexcept>
#include <string>

namespace brisklet::bench {
namespace {

int64_t ReadTable(sqlite3* db, const char* sql) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
    throw std::runtime_error(std::string("cannot read: ") + sqlite3_errmsg(db));
  }
  int64_t bytes = 0;
  int columns = sqlite3_column_count(stmt);
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    for (int i = 0; i < columns; ++i) {
      switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER: bytes += sqlite3_column_int64(stmt, i) & 1; break;
        case SQLITE_FLOAT: bytes += sqlite3_column_double(stmt, i) > 0; break;
        case SQLITE_TEXT: bytes += sqlite3_column_text(stmt, i)[0] != 0 ? sqlite3_column_bytes(stmt, i) : 0; break;
        case SQLITE_BLOB: {
          const void* p = sqlite3_column_blob(stmt, i);
          bytes += p ? sqlite3_column_bytes(stmt, i) : 0;
          break;
        }
        default: break;
      }
    }
  }
  sqlite3_finalize(stmt);
  return bytes;
}

}  // namespace

int64_t ReadElementsAndDisplays(sqlite3* db) {
  return ReadTable(db, "SELECT * FROM HMI_Elements") + ReadTable(db, "SELECT * FROM Pages");
}

}  // namespace brisklet::bench
