// Counting the entries of the project's text table.
#include "host/TextTableService.h"

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "host/Queries.h"

namespace brisklet {

int32_t TextTableService::AttachConnection(Connection& conn, bool) {
  mConn = &conn;
  return 0;
}

int32_t TextTableService::BeginTextQuery(int32_t& handle) {
  if (!mConn) throw RuntimeError("Text service not attached", "no project connection was attached");
  if (mCountKept && mCountKept->has_value()) {
    mCount = **mCountKept;
  } else {
    mCount = mConn->QueryValue(kSqlTextCount).value_or(Value(0)).ToLong("COUNT(*)");
    if (mCountKept) *mCountKept = mCount;
  }
  handle = ++mOpenQueries;
  return 0;
}

int32_t TextTableService::TextQueryCount() { return mCount; }

int32_t TextTableService::EndTextQuery(int32_t) {
  if (mOpenQueries > 0) --mOpenQueries;
  return 0;
}

}  // namespace brisklet
