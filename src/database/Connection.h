// The open project database: a SQLite connection with a cache of prepared statements,
// since a compile opens thousands of small queries of a few dozen texts.
#pragma once
#include <sqlite3.h>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "database/Columns.h"
#include "database/TurnLock.h"
#include "database/Value.h"

namespace brisklet {

// How a project file is opened.
struct OpenOptions {
  // How long to wait for another program's lock before giving up.
  int busyTimeoutSeconds = 5;
  // Told once when a wait for a lock has lasted a second (may be empty).
  std::function<void(const std::string&)> waiting;
  // Read the file without a write lock into a private copy in a temporary file (see Snapshot):
  // whatever the work writes stays in the copy, and a read-only file can be read.
  bool snapshot = false;
  // Read the file itself, without a write lock, in one read transaction held until the
  // connection closes: the same consistent view as a copy, for work that only reads stored rows.
  bool readTransaction = false;
};

class Connection {
 public:
  // Opens an existing project database; a missing, locked, unreadable or foreign file is a
  // RuntimeError saying which.
  static std::unique_ptr<Connection> Open(const std::string& path, const OpenOptions& options = {});
  // Creates a new project database with the full schema; refuses an existing file.
  static std::unique_ptr<Connection> Create(const std::string& path);
  // Whether a name is a file's path, not a SQLite URI ("file:...") or ":memory:": a project
  // database is always a file of its own.
  static bool IsFilePath(const std::string& path);
  // A private in-memory project with the full schema (tests, benchmarks).
  static std::unique_ptr<Connection> CreateInMemory();

  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Runs an action statement or script given as fixed text; a single statement is cached.
  void Execute(const std::string& sql);
  // Runs one statement with bound parameters (the safe way to pass user values).
  void Execute(const std::string& sql, const std::vector<Value>& params);
  // The first column of the first row of a query with bound parameters; nothing when it
  // gives no row. A failing step is an error, never "no row".
  std::optional<Value> QueryValue(const std::string& sql, const std::vector<Value>& params = {});
  // The statement of this text, prepared once and reset for reuse.
  sqlite3_stmt* Prepared(const std::string& sql);
  // The statement of a query ready to step, its parameters bound, and its result columns
  // (computed once per text). Errors show the text with the values in place of its '?'.
  struct Query {
    sqlite3_stmt* stmt;
    std::shared_ptr<const Columns> columns;
  };
  Query Opened(const std::string& sql, const std::vector<Value>& params);
  // The primary key column of a table ("" when it has none).
  const std::string& PrimaryKeyOf(const std::string& table);
  // Whether a table of that name exists.
  bool HasTable(const std::string& table);

  void BeginTransaction();
  void Commit();
  bool InTransaction() const;

  // Held while a statement is prepared, stepped and reset, so that two threads may take turns
  // on the connection (the element walk builds records on a second thread). Execute,
  // QueryValue and opening a recordset hold it themselves; a caller that steps a statement
  // from Prepared or Opened holds it across.
  std::unique_lock<TurnLock> Turn() { return std::unique_lock(mTurn); }

  sqlite3* Handle() { return mDb; }
  const std::string& Path() const { return mPath; }

 private:
  Connection(sqlite3* db, std::string path);
  void WaitForLocks(const OpenOptions& options);
  static int OnBusy(void* self, int count);
  // The file's tables copied into a new private database, which SQLite keeps in a temporary
  // file beyond its page cache, so that a large project's copy is not held in memory.
  static std::unique_ptr<Connection> Snapshot(sqlite3* file, const std::string& path);
  [[noreturn]] void Fail(const std::string& sql);
  struct CachedStatement {
    sqlite3_stmt* stmt = nullptr;
    std::shared_ptr<const Columns> columns;  // made when a recordset first opens it
    bool reused = false;                     // found again since the last sweep of the cache
  };
  // The cached statement of a text, reset for reuse, or null.
  CachedStatement* Find(const std::string& text);
  // Prepares and caches a text; `shown` names it in errors. With singleOnly, a script (more
  // than one statement) is not cached and gives null.
  CachedStatement* Prepare(const std::string& text, const std::string& shown, bool singleOnly);

  sqlite3* mDb;
  std::string mPath;
  // By exact text: the fixed texts of the layers, their values bound, are a few dozen; texts
  // with numbers appended are swept out once the cache is full (see Prepare).
  std::unordered_map<std::string, CachedStatement> mStatements;
  std::map<std::string, std::string> mPrimaryKeys;
  // Waiting for another program's lock.
  int mBusyTimeoutMs = 5000;
  std::function<void(const std::string&)> mWaiting;
  bool mToldWaiting = false;
  // Opened read-only on the file: the WAL files it made go again when it closes.
  bool mReadOnlyFile = false;
  bool mWalBefore = false;
  TurnLock mTurn;
};

// Binds parameters 1..n of a prepared statement.
void BindAll(sqlite3_stmt* stmt, const std::vector<Value>& params);
// The value of column i of the current row.
Value ColumnValue(sqlite3_stmt* stmt, int i);
// A statement as errors show it: each '?' replaced by the text of its parameter's value.
std::string WithValues(const std::string& sql, const std::vector<Value>& params);

}  // namespace brisklet
