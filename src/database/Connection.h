// The open project database: a SQLite connection with a cache of prepared statements,
// since a compile opens thousands of small queries of a few dozen shapes.
#pragma once
#include <sqlite3.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "database/Columns.h"
#include "database/Value.h"

namespace brisklet {

class Connection {
 public:
  // Opens an existing project database; a missing or foreign file is a RuntimeError.
  static std::unique_ptr<Connection> Open(const std::string& path);
  // Creates a new project database with the full schema; refuses an existing file.
  static std::unique_ptr<Connection> Create(const std::string& path);
  // A private in-memory project with the full schema (tests, benchmarks).
  static std::unique_ptr<Connection> CreateInMemory();

  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Runs an action statement or script given as fixed text.
  void Execute(const std::string& sql);
  // Runs one statement with bound parameters (the safe way to pass user values).
  void Execute(const std::string& sql, const std::vector<Value>& params);
  // The statement of this text, prepared once and reset for reuse.
  sqlite3_stmt* Prepared(const std::string& sql);
  // The result columns of a prepared statement, computed once per text.
  std::shared_ptr<const Columns> ColumnsOf(const std::string& sql, sqlite3_stmt* stmt);
  // The primary key column of a table ("" when it has none).
  const std::string& PrimaryKeyOf(const std::string& table);
  // Whether a table of that name exists.
  bool HasTable(const std::string& table);

  void BeginTransaction();
  void Commit();
  bool InTransaction() const;

  sqlite3* Handle() { return mDb; }
  const std::string& Path() const { return mPath; }

 private:
  Connection(sqlite3* db, std::string path);
  [[noreturn]] void Fail(const std::string& sql);

  sqlite3* mDb;
  std::string mPath;
  std::unordered_map<std::string, sqlite3_stmt*> mStatements;
  std::map<std::string, std::string> mPrimaryKeys;
  std::unordered_map<std::string, std::shared_ptr<const Columns>> mColumns;
};

// Binds parameters 1..n of a prepared statement.
void BindAll(sqlite3_stmt* stmt, const std::vector<Value>& params);
// The value of column i of the current row.
Value ColumnValue(sqlite3_stmt* stmt, int i);

}  // namespace brisklet
