// Storing a compiled unit.
#include "host/StoreDownloadUnit.h"

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "host/Queries.h"

namespace brisklet {

namespace {

// Steps a statement whose parameters are bound, and clears them (the record was bound in place).
void Run(Connection& conn, sqlite3_stmt* stmt) {
  int rc = sqlite3_step(stmt);
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  if (rc != SQLITE_DONE) {
    throw RuntimeError("Database error", std::string(sqlite3_errmsg(conn.Handle())) + " in: " + sqlite3_sql(stmt));
  }
}

}  // namespace

// One unit per compiled item, so the record is bound where it lies instead of being copied.
void StoreDownloadUnit::SetUnitType(int16_t type) {
  auto turn = mConn.Turn();
  sqlite3_stmt* store = mConn.Prepared(kSqlStoreUnit);
  sqlite3_bind_int64(store, 1, mGuid);
  sqlite3_bind_int64(store, 2, type);
  sqlite3_bind_int64(store, 3, mMode);
  if (mData.empty()) {
    sqlite3_bind_null(store, 4);  // as an empty record has always been stored
  } else {
    sqlite3_bind_blob(store, 4, mData.data(), static_cast<int>(mData.size()), SQLITE_STATIC);
  }
  Run(mConn, store);
  sqlite3_stmt* compiled = mConn.Prepared(kSqlMarkCompiled);
  sqlite3_bind_int64(compiled, 1, mGuid);
  Run(mConn, compiled);
  if (mStored) ++*mStored;
}

}  // namespace brisklet
