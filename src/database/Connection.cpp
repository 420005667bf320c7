// SQLite connection, statement cache and transactions.
#include "database/Connection.h"

#include <filesystem>

#include "component/RuntimeError.h"
#include "database/ProjectSchema.h"

namespace brisklet {

Connection::Connection(sqlite3* db, std::string path) : mDb(db), mPath(std::move(path)) {
  sqlite3_busy_timeout(mDb, 5000);
}

Connection::~Connection() {
  for (auto& [sql, stmt] : mStatements) sqlite3_finalize(stmt);
  if (InTransaction()) sqlite3_exec(mDb, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(mDb);
}

std::unique_ptr<Connection> Connection::Open(const std::string& path) {
  if (!std::filesystem::exists(path)) {
    throw RuntimeError("Cannot open project database", "'" + path + "' does not exist");
  }
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    std::string msg = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw RuntimeError("Cannot open project database", "'" + path + "': " + msg);
  }
  std::unique_ptr<Connection> conn(new Connection(db, path));
  // A file that SQLite cannot read, or a database without the project tables, is not a project.
  bool isProject = false;
  try {
    isProject = conn->HasTable("HMI_Elements") && conn->HasTable("Pages") &&
                conn->HasTable("DownloadDLUs");
  } catch (const RuntimeError&) {
    isProject = false;
  }
  if (!isProject) {
    throw RuntimeError("Not a project database", "'" + path + "' has no HMI_Elements, Pages and DownloadDLUs tables");
  }
  return conn;
}

std::unique_ptr<Connection> Connection::Create(const std::string& path) {
  if (std::filesystem::exists(path)) {
    throw RuntimeError("Cannot create project database", "'" + path + "' already exists");
  }
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
    std::string msg = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw RuntimeError("Cannot create project database", "'" + path + "': " + msg);
  }
  std::unique_ptr<Connection> conn(new Connection(db, path));
  conn->Execute(std::string(ProjectSchemaSql()));
  return conn;
}

std::unique_ptr<Connection> Connection::CreateInMemory() {
  sqlite3* db = nullptr;
  sqlite3_open(":memory:", &db);
  std::unique_ptr<Connection> conn(new Connection(db, ":memory:"));
  conn->Execute(std::string(ProjectSchemaSql()));
  return conn;
}

void Connection::Fail(const std::string& sql) {
  throw RuntimeError("Database error", std::string(sqlite3_errmsg(mDb)) + " in: " + sql);
}

void Connection::Execute(const std::string& sql) {
  char* err = nullptr;
  if (sqlite3_exec(mDb, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
    std::string msg = err ? err : "unknown error";
    sqlite3_free(err);
    throw RuntimeError("Database error", msg + " in: " + sql);
  }
}

void Connection::Execute(const std::string& sql, const std::vector<Value>& params) {
  sqlite3_stmt* stmt = Prepared(sql);
  BindAll(stmt, params);
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
  }
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  if (rc != SQLITE_DONE) Fail(sql);
}

sqlite3_stmt* Connection::Prepared(const std::string& sql) {
  auto it = mStatements.find(sql);
  if (it != mStatements.end()) {
    sqlite3_reset(it->second);
    return it->second;
  }
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(mDb, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK) {
    Fail(sql);
  }
  // Statements that differ only in their numbers are not worth keeping forever.
  if (mStatements.size() > 4096) {
    for (auto& [s, st] : mStatements) sqlite3_finalize(st);
    mStatements.clear();
  }
  mStatements.emplace(sql, stmt);
  return stmt;
}

std::shared_ptr<const Columns> Connection::ColumnsOf(const std::string& sql, sqlite3_stmt* stmt) {
  auto it = mColumns.find(sql);
  if (it != mColumns.end()) return it->second;
  if (mColumns.size() > 4096) mColumns.clear();
  auto columns = std::make_shared<const Columns>(stmt);
  mColumns.emplace(sql, columns);
  return columns;
}

const std::string& Connection::PrimaryKeyOf(const std::string& table) {
  auto it = mPrimaryKeys.find(table);
  if (it != mPrimaryKeys.end()) return it->second;
  std::string key;
  sqlite3_stmt* stmt = Prepared("SELECT name FROM pragma_table_info(?) WHERE pk=1");
  BindAll(stmt, {Value(table)});
  if (sqlite3_step(stmt) == SQLITE_ROW) key = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
  sqlite3_reset(stmt);
  return mPrimaryKeys.emplace(table, key).first->second;
}

bool Connection::HasTable(const std::string& table) {
  sqlite3_stmt* stmt = Prepared("SELECT 1 FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE");
  BindAll(stmt, {Value(table)});
  int rc = sqlite3_step(stmt);
  sqlite3_reset(stmt);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) Fail("sqlite_master");
  return rc == SQLITE_ROW;
}

void Connection::BeginTransaction() { Execute("BEGIN"); }
void Connection::Commit() { Execute("COMMIT"); }
bool Connection::InTransaction() const { return sqlite3_get_autocommit(mDb) == 0; }

void BindAll(sqlite3_stmt* stmt, const std::vector<Value>& params) {
  for (size_t i = 0; i < params.size(); ++i) {
    int index = static_cast<int>(i + 1);
    const Value& v = params[i];
    if (v.IsNull()) {
      sqlite3_bind_null(stmt, index);
    } else if (v.IsBytes()) {
      Bytes b = v.ToBytes();
      sqlite3_bind_blob(stmt, index, b.data(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
    } else if (v.IsText()) {
      std::string s = v.ToString();
      sqlite3_bind_text(stmt, index, s.c_str(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
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

Value ColumnValue(sqlite3_stmt* stmt, int i) {
  switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
      return Value(static_cast<int64_t>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
      return Value(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT:
      return Value(std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                               static_cast<size_t>(sqlite3_column_bytes(stmt, i))));
    case SQLITE_BLOB: {
      auto p = static_cast<const uint8_t*>(sqlite3_column_blob(stmt, i));
      return Value(Bytes(p, p + sqlite3_column_bytes(stmt, i)));
    }
    default:
      return Value();
  }
}

}  // namespace brisklet
