// SQLite connection, statement cache and transactions.
#include "database/Connection.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/RuntimeError.h"
#include "database/ProjectSchema.h"
#include "database/ProjectUpgrades.h"
#include "database/Queries.h"

namespace brisklet {
namespace {
// A connection belongs to one thread at a time (the compiler has no threads of its own), so
// SQLite need not lock it on every call; a compile makes millions of them.
constexpr int kThreading = SQLITE_OPEN_NOMUTEX;
constexpr size_t kMaxStatements = 512;

// The name SQLite is given for a project file: a relative name starts with "./", so that a
// file called "file:x.db" or ":memory:" is that file, never a URI or a database in memory.
std::string PlainFileName(const std::string& path) {
  return path.empty() || path[0] == '/' || path.rfind("./", 0) == 0 ? path : "./" + path;
}

// Whether SQLite's WAL or shared-memory file of a database exists.
bool HasWalFiles(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path + "-wal", error) || std::filesystem::exists(path + "-shm", error);
}

// A read-only connection to a database in WAL mode makes its WAL and shared-memory files and
// cannot remove them when it closes. Those it made, with nothing written to the WAL, go again.
void RemoveLeftOverWal(const std::string& path, bool walBefore) {
  std::error_code error;
  if (walBefore || std::filesystem::file_size(path + "-wal", error) != 0 || error) return;
  std::filesystem::remove(path + "-wal", error);
  std::filesystem::remove(path + "-shm", error);
}
}  // namespace

Connection::Connection(sqlite3* db, std::string path) : mDb(db), mPath(std::move(path)) {
  sqlite3_busy_handler(mDb, &Connection::OnBusy, this);
}

Connection::~Connection() {
  for (auto& [text, entry] : mStatements) sqlite3_finalize(entry.stmt);
  if (InTransaction()) sqlite3_exec(mDb, kSqlCommit, nullptr, nullptr, nullptr);
  sqlite3_close(mDb);
  if (mReadOnlyFile) RemoveLeftOverWal(mPath, mWalBefore);
}

int Connection::OnBusy(void* self, int count) {
  auto* conn = static_cast<Connection*>(self);
  constexpr int kStepMs = 20;
  int waitedMs = count * kStepMs;
  if (waitedMs >= conn->mBusyTimeoutMs) return 0;  // give up: the statement fails with SQLITE_BUSY
  if (waitedMs >= 1000 && !conn->mToldWaiting && conn->mWaiting) {
    conn->mToldWaiting = true;
    conn->mWaiting("waiting for another program to release its lock on '" + conn->mPath + "' (up to " +
                   std::to_string(conn->mBusyTimeoutMs / 1000) + " s)");
  }
  sqlite3_sleep(kStepMs);
  return 1;
}

void Connection::WaitForLocks(const OpenOptions& options) {
  mBusyTimeoutMs = std::max(0, options.busyTimeoutSeconds) * 1000;
  mWaiting = options.waiting;
  sqlite3_busy_handler(mDb, &Connection::OnBusy, this);
}

std::unique_ptr<Connection> Connection::Open(const std::string& path, const OpenOptions& options) {
  if (path.empty()) throw RuntimeError("Cannot open project database", "no file name given");
  std::error_code error;
  auto status = std::filesystem::status(path, error);
  if (error && error != std::errc::no_such_file_or_directory) {
    throw RuntimeError("Cannot open project database", "'" + path + "': " + error.message());
  }
  if (!std::filesystem::exists(status)) {
    throw RuntimeError("Cannot open project database", "'" + path + "' does not exist");
  }
  if (!std::filesystem::is_regular_file(status)) {
    throw RuntimeError("Cannot open project database", "'" + path + "' is not a regular file");
  }
  bool walBefore = HasWalFiles(path);
  bool readOnly = options.snapshot || options.readTransaction;
  int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | kThreading;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(PlainFileName(path).c_str(), &db, flags, nullptr) != SQLITE_OK) {
    std::string msg = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw RuntimeError("Cannot open project database", "'" + path + "': " + msg);
  }
  std::unique_ptr<Connection> conn(new Connection(db, path));
  conn->WaitForLocks(options);
  // A file that SQLite cannot read, or a database without the project tables, is not a project;
  // a locked or unreadable one is said to be so.
  bool isProject = false;
  try {
    isProject = conn->HasTable("HMI_Elements") && conn->HasTable("Pages") && conn->HasTable("DownloadDLUs");
  } catch (const RuntimeError& e) {
    int code = sqlite3_errcode(db);
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
      throw RuntimeError("Project database is locked", "'" + path + "' is locked by another program (waited " +
                                                           std::to_string(options.busyTimeoutSeconds) + " s)");
    }
    if (code != SQLITE_NOTADB && code != SQLITE_CORRUPT) throw;
  }
  if (!isProject) {
    throw RuntimeError("Not a project database", "'" + path + "' has no HMI_Elements, Pages and DownloadDLUs tables");
  }
  if (options.snapshot) {
    auto copy = Snapshot(conn->mDb, path);
    conn.reset();
    RemoveLeftOverWal(path, walBefore);
    return copy;
  }
  if (options.readTransaction) {
    conn->mReadOnlyFile = true;
    conn->mWalBefore = walBefore;
    conn->BeginTransaction();
    conn->QueryValue("SELECT COUNT(*) FROM sqlite_master");  // the view is taken at the first read
    return conn;
  }
  if (sqlite3_db_readonly(db, "main") == 1) {
    throw RuntimeError("Project database is read-only", "'" + path + "' cannot be written");
  }
  return conn;
}

std::unique_ptr<Connection> Connection::Snapshot(sqlite3* file, const std::string& path) {
  // An empty name is SQLite's private temporary database: its pages beyond the page cache go to
  // a file in SQLITE_TMPDIR or TMPDIR (else /var/tmp, /usr/tmp or /tmp), removed from its
  // folder as soon as it is made, so that it is gone when the connection closes or the process
  // ends, however it ends.
  sqlite3* temporary = nullptr;
  sqlite3_open_v2("", &temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | kThreading, nullptr);
  std::unique_ptr<Connection> copy(new Connection(temporary, path));
  sqlite3_backup* backup = sqlite3_backup_init(temporary, "main", file, "main");
  int rc = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(temporary);
  sqlite3_backup_finish(backup);
  if (rc != SQLITE_DONE) {
    throw RuntimeError("Cannot read project database", "'" + path + "': " + sqlite3_errstr(rc));
  }
  return copy;
}

bool Connection::IsFilePath(const std::string& path) {
  return !path.empty() && path != ":memory:" && path.rfind("file:", 0) != 0;
}

std::unique_ptr<Connection> Connection::Create(const std::string& path) {
  if (path.empty()) throw RuntimeError("Cannot create project database", "no file name given");
  if (!IsFilePath(path)) {
    throw RuntimeError("Cannot create project database",
                       "'" + path + "' is not a file path (a project database is a file of its own)");
  }
  std::error_code error;
  auto status = std::filesystem::symlink_status(path, error);
  if (error && error != std::errc::no_such_file_or_directory) {
    throw RuntimeError("Cannot create project database", "'" + path + "': " + error.message());
  }
  if (std::filesystem::exists(status)) {
    throw RuntimeError("Cannot create project database", "'" + path + "' already exists");
  }
  // Made exclusively, so that of two programs creating one file only one goes on.
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    throw RuntimeError("Cannot create project database", "'" + path + "': " + std::strerror(errno));
  }
  ::close(fd);
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(PlainFileName(path).c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | kThreading,
                      nullptr) != SQLITE_OK) {
    std::string msg = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw RuntimeError("Cannot create project database", "'" + path + "': " + msg);
  }
  std::unique_ptr<Connection> conn(new Connection(db, path));
  conn->BeginTransaction();  // one write of the new file, not one per table
  conn->Execute(std::string(ProjectSchemaSql()));
  UpgradeProject(*conn);
  conn->Commit();
  return conn;
}

std::unique_ptr<Connection> Connection::CreateInMemory() {
  sqlite3* db = nullptr;
  sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | kThreading, nullptr);
  std::unique_ptr<Connection> conn(new Connection(db, ":memory:"));
  conn->Execute(std::string(ProjectSchemaSql()));
  UpgradeProject(*conn);
  return conn;
}

void Connection::Fail(const std::string& sql) {
  throw RuntimeError("Database error", std::string(sqlite3_errmsg(mDb)) + " in: " + sql);
}

void Connection::Execute(const std::string& sql) {
  auto turn = Turn();
  CachedStatement* entry = Find(sql);
  if (!entry) entry = Prepare(sql, sql, true);
  if (entry) {
    int rc;
    while ((rc = sqlite3_step(entry->stmt)) == SQLITE_ROW) {
    }
    sqlite3_reset(entry->stmt);
    if (rc != SQLITE_DONE) Fail(sql);
    return;
  }
  char* err = nullptr;
  if (sqlite3_exec(mDb, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
    std::string msg = err ? err : "unknown error";
    sqlite3_free(err);
    throw RuntimeError("Database error", msg + " in: " + sql);
  }
}

void Connection::Execute(const std::string& sql, const std::vector<Value>& params) {
  auto turn = Turn();
  sqlite3_stmt* stmt = Prepared(sql);
  BindAll(stmt, params);
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
  }
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  if (rc != SQLITE_DONE) Fail(sql);
}

std::optional<Value> Connection::QueryValue(const std::string& sql, const std::vector<Value>& params) {
  auto turn = Turn();
  sqlite3_stmt* stmt = Prepared(sql);
  BindAll(stmt, params);
  int rc = sqlite3_step(stmt);
  std::optional<Value> value;
  if (rc == SQLITE_ROW) value = ColumnValue(stmt, 0);
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) Fail(sql);
  return value;
}

sqlite3_stmt* Connection::Prepared(const std::string& sql) {
  CachedStatement* entry = Find(sql);
  if (!entry) entry = Prepare(sql, sql, false);
  return entry->stmt;
}

Connection::CachedStatement* Connection::Find(const std::string& text) {
  auto it = mStatements.find(text);
  if (it == mStatements.end()) return nullptr;
  sqlite3_reset(it->second.stmt);
  it->second.reused = true;
  return &it->second;
}

Connection::CachedStatement* Connection::Prepare(const std::string& text, const std::string& shown, bool singleOnly) {
  sqlite3_stmt* stmt = nullptr;
  const char* tail = nullptr;
  if (sqlite3_prepare_v2(mDb, text.c_str(), static_cast<int>(text.size()), &stmt, &tail) != SQLITE_OK) {
    Fail(shown);
  }
  bool single = stmt && std::string_view(tail).find_first_not_of(" \t\r\n;") == std::string_view::npos;
  if (singleOnly && !single) {
    sqlite3_finalize(stmt);
    return nullptr;
  }
  // A bound for texts that run once (numbers appended to them): those not used again since the
  // last sweep go, unless a caller is still stepping them.
  if (mStatements.size() >= kMaxStatements) {
    for (auto it = mStatements.begin(); it != mStatements.end();) {
      CachedStatement& entry = it->second;
      bool keep = entry.reused || sqlite3_stmt_busy(entry.stmt);
      entry.reused = false;
      if (keep) {
        ++it;
      } else {
        sqlite3_finalize(entry.stmt);
        it = mStatements.erase(it);
      }
    }
  }
  CachedStatement& entry = mStatements[text];
  entry.stmt = stmt;
  return &entry;
}

Connection::Query Connection::Opened(const std::string& sql, const std::vector<Value>& params) {
  CachedStatement* entry = Find(sql);
  if (!entry) entry = Prepare(sql, params.empty() ? sql : WithValues(sql, params), false);
  BindAll(entry->stmt, params);
  if (!entry->columns) entry->columns = std::make_shared<const Columns>(entry->stmt);
  return {entry->stmt, entry->columns};
}

const std::string& Connection::PrimaryKeyOf(const std::string& table) {
  auto turn = Turn();
  auto it = mPrimaryKeys.find(table);
  if (it != mPrimaryKeys.end()) return it->second;
  auto name = QueryValue(kSqlPrimaryKey, {Value(table)});
  std::string key = name ? name->ToString("name") : std::string();
  return mPrimaryKeys.emplace(table, key).first->second;
}

bool Connection::HasTable(const std::string& table) { return QueryValue(kSqlTableExists, {Value(table)}).has_value(); }

void Connection::BeginTransaction() { Execute(kSqlBegin); }
void Connection::Commit() { Execute(kSqlCommit); }
bool Connection::InTransaction() const { return sqlite3_get_autocommit(mDb) == 0; }

void BindAll(sqlite3_stmt* stmt, const std::vector<Value>& params) {
  for (size_t i = 0; i < params.size(); ++i) {
    int index = static_cast<int>(i + 1);
    const Value& v = params[i];
    if (v.IsNull()) {
      sqlite3_bind_null(stmt, index);
    } else if (const Bytes* b = v.BytesPtr()) {
      sqlite3_bind_blob(stmt, index, b->data(), static_cast<int>(b->size()), SQLITE_TRANSIENT);
    } else if (const std::string* s = v.TextPtr()) {
      sqlite3_bind_text(stmt, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    } else if (const int64_t* n = v.IntegerPtr()) {
      sqlite3_bind_int64(stmt, index, *n);  // exactly, also beyond the 53 bits of a double
    } else {
      double d = v.ToDouble();
      if (d == static_cast<double>(static_cast<int64_t>(d))) {
        sqlite3_bind_int64(stmt, index, static_cast<int64_t>(d));
      } else {
        sqlite3_bind_double(stmt, index, d);
      }
    }
  }
}

std::string WithValues(const std::string& sql, const std::vector<Value>& params) {
  std::string shown;
  size_t next = 0;
  for (char c : sql) {
    if (c == '?' && next < params.size()) {
      shown += params[next++].SqlText();
    } else {
      shown += c;
    }
  }
  return shown;
}

Value ColumnValue(sqlite3_stmt* stmt, int i) {
  // One call for the column, then plain reads of its value (the connection is not shared
  // between threads, which is what makes the value safe to read this way).
  sqlite3_value* v = sqlite3_column_value(stmt, i);
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return Value(static_cast<int64_t>(sqlite3_value_int64(v)));
    case SQLITE_FLOAT: return Value(sqlite3_value_double(v));
    case SQLITE_TEXT: {
      auto p = reinterpret_cast<const char*>(sqlite3_value_text(v));
      return Value(std::string(p, static_cast<size_t>(sqlite3_value_bytes(v))));
    }
    case SQLITE_BLOB: {
      auto p = static_cast<const uint8_t*>(sqlite3_value_blob(v));
      return Value(Bytes(p, p + sqlite3_value_bytes(v)));
    }
    default: return Value();
  }
}

}  // namespace brisklet
