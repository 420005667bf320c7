// Default compile scope: one transaction around a whole compile run, committed when the
// scope ends, also when the run failed part-way (what was done stays done).
#pragma once
#include "host/CompileScope.h"

namespace brisklet {

class Connection;

class TransactionCompileScope : public CompileScope {
 public:
  explicit TransactionCompileScope(Connection& conn) : mConn(conn) {}
  ~TransactionCompileScope() override;
  void Begin() override;
  int Prepare() override { return 0; }
  // Commits the run's transaction; a commit that fails is a RuntimeError with SQLite's message.
  void End() override;

 private:
  Connection& mConn;
  bool mOwnsTransaction = false;
};

}  // namespace brisklet
