// Transaction bracket of a compile run.
#include "host/TransactionCompileScope.h"

#include "database/Connection.h"
#include "database/Queries.h"

namespace brisklet {

void TransactionCompileScope::Begin() {
  if (mConn.InTransaction()) return;
  mConn.BeginTransaction();
  mOwnsTransaction = true;
}

TransactionCompileScope::~TransactionCompileScope() {
  if (mOwnsTransaction && mConn.InTransaction()) {
    sqlite3_exec(mConn.Handle(), kSqlCommit, nullptr, nullptr, nullptr);
  }
}

}  // namespace brisklet
