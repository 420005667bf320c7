// Transaction bracket of a compile run.
#include "host/TransactionCompileScope.h"

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "database/Queries.h"

namespace brisklet {

void TransactionCompileScope::Begin() {
  if (mConn.InTransaction()) return;
  mConn.BeginTransaction();
  mOwnsTransaction = true;
}

void TransactionCompileScope::End() {
  if (!mOwnsTransaction) return;
  mOwnsTransaction = false;
  if (!mConn.InTransaction()) {
    // SQLite ends a transaction by itself after some failures (a full disk, for one).
    throw RuntimeError("Database error",
                       std::string("the compile's transaction was rolled back: ") + sqlite3_errmsg(mConn.Handle()));
  }
  if (sqlite3_exec(mConn.Handle(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
    std::string message = sqlite3_errmsg(mConn.Handle());
    sqlite3_exec(mConn.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw RuntimeError("Database error", "the compile could not be stored: " + message);
  }
}

TransactionCompileScope::~TransactionCompileScope() {
  if (mOwnsTransaction && mConn.InTransaction()) {
    sqlite3_exec(mConn.Handle(), kSqlCommit, nullptr, nullptr, nullptr);
  }
}

}  // namespace brisklet
