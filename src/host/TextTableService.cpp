// Counting the entries of the project's text table.
#include "host/TextTableService.h"

#include "component/RuntimeError.h"
#include "database/Connection.h"

namespace brisklet {

int32_t TextTableService::AttachConnection(Connection& conn, bool) {
  mConn = &conn;
  return 0;
}

int32_t TextTableService::BeginTextQuery(int32_t& handle) {
  if (!mConn) throw RuntimeError("Text service not attached", "no project connection was attached");
  sqlite3_stmt* stmt = mConn->Prepared("SELECT COUNT(*) FROM ProjectTexts");
  mCount = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
  sqlite3_reset(stmt);
  handle = ++mOpenQueries;
  return 0;
}

int32_t TextTableService::TextQueryCount() { return mCount; }

int32_t TextTableService::EndTextQuery(int32_t) {
  if (mOpenQueries > 0) --mOpenQueries;
  return 0;
}

}  // namespace brisklet
