// Design rows read with one statement per table and written back row by row, only where
// they differ. Table and column names come from the project schema, never from a file.
#include "textproject/DesignRows.h"

#include <sqlite3.h>

#include "base/RuntimeError.h"
#include "database/Connection.h"

namespace brisklet {
namespace {

constexpr char kScopeTable[] = "temp.TextScopeDisplays";

// The condition that puts a display table's row in the scope (the scope table holds its displays).
std::string ScopeCondition(const std::string& table) {
  const std::string in = " IN (SELECT DisplayID FROM temp.TextScopeDisplays)";
  if (table == "Pages") return "Id" + in;
  if (table == "HMI_Elements") return "DisplayID" + in;
  if (table == "HMIJumps") return "PageNum" + in;
  if (table == "PagesAndImages") return "Page_ID" + in;
  return "Element_ID IN (SELECT ID FROM HMI_Elements WHERE DisplayID" + in + ")";
}

Value ColumnValue(sqlite3_stmt* stmt, int i) {
  switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER: return Value(static_cast<int64_t>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT: return Value(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT:
      return Value(std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                               static_cast<size_t>(sqlite3_column_bytes(stmt, i))));
    case SQLITE_BLOB: {
      auto data = static_cast<const uint8_t*>(sqlite3_column_blob(stmt, i));
      return Value(Bytes(data, data + sqlite3_column_bytes(stmt, i)));
    }
    default: return {};
  }
}

std::string ColumnList(const DesignTable& table) {
  std::string list;
  for (const std::string& column : table.columns) list += (list.empty() ? "" : ", ") + column;
  return list;
}

std::string KeyCondition(const DesignTable& table) {
  std::string where;
  for (size_t column : table.keyColumns) where += (where.empty() ? "" : " AND ") + table.columns[column] + "=?";
  return where;
}

// The columns of the table the database has (a project an older brisklet made, opened without
// being upgraded, lacks the newer ones: their rows read as the defaults).
std::vector<size_t> PresentColumns(Connection& conn, const DesignTable& table, std::string& list) {
  std::vector<size_t> present;
  for (size_t i = 0; i < table.columns.size(); ++i) {
    if (conn.QueryValue("SELECT 1 FROM pragma_table_info(?) WHERE name=? COLLATE NOCASE",
                        {Value(table.name), Value(table.columns[i])})) {
      present.push_back(i);
      list += (list.empty() ? "" : ", ") + table.columns[i];
    }
  }
  return present;
}

void ReadTable(Connection& conn, DesignTable& table, const DesignScope& scope) {
  std::string list;
  std::vector<size_t> present = PresentColumns(conn, table, list);
  if (present.empty()) return;
  std::string sql = "SELECT " + list + " FROM " + table.name;
  if (scope.displays && IsDisplayTable(table.name)) sql += " WHERE " + ScopeCondition(table.name);
  sqlite3_stmt* stmt = conn.Prepared(sql);
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    Row row = table.defaults;
    for (size_t i = 0; i < present.size(); ++i) row[present[i]] = ColumnValue(stmt, static_cast<int>(i));
    RowKey key = table.KeyOf(row);
    table.rows.emplace(std::move(key), std::move(row));
  }
  sqlite3_reset(stmt);
  if (rc != SQLITE_DONE) throw RuntimeError("Database error", sqlite3_errmsg(conn.Handle()));
}

void FillScope(Connection& conn, const DesignScope& scope) {
  conn.Execute(std::string("CREATE TEMP TABLE IF NOT EXISTS TextScopeDisplays (DisplayID INTEGER PRIMARY KEY)"));
  conn.Execute(std::string("DELETE FROM ") + kScopeTable);
  if (!scope.displays) return;
  for (int64_t id : *scope.displays) {
    conn.Execute(std::string("INSERT INTO ") + kScopeTable + " VALUES (?)", {Value(id)});
  }
}

bool IsConstraintFailure(Connection& conn) {
  return (sqlite3_extended_errcode(conn.Handle()) & 0xff) == SQLITE_CONSTRAINT;
}

void ApplyTable(Connection& conn, const DesignTable& now, const DesignTable& wanted, ApplyCounts& counts) {
  const std::string where = KeyCondition(wanted);
  for (const auto& [key, row] : now.rows) {
    if (!wanted.rows.count(key)) {
      conn.Execute("DELETE FROM " + wanted.name + " WHERE " + where, key);
      ++counts.deleted;
    }
  }
  std::string sets, marks;
  for (const std::string& column : wanted.columns) {
    sets += (sets.empty() ? "" : ", ") + column + "=?";
    marks += marks.empty() ? "?" : ", ?";
  }
  for (const auto& [key, row] : wanted.rows) {
    auto old = now.rows.find(key);
    if (old == now.rows.end()) {
      try {
        conn.Execute("INSERT INTO " + wanted.name + " (" + ColumnList(wanted) + ") VALUES (" + marks + ")", row);
        ++counts.inserted;
      } catch (const RuntimeError&) {
        if (!IsConstraintFailure(conn)) throw;
        counts.clashes.push_back({wanted.name, key});
      }
    } else if (!(old->second == row)) {
      std::vector<Value> params = row;
      params.insert(params.end(), key.begin(), key.end());
      conn.Execute("UPDATE " + wanted.name + " SET " + sets + " WHERE " + where, params);
      ++counts.updated;
    }
  }
}

}  // namespace

bool IsDisplayTable(const std::string& table) {
  return table == "Pages" || table == "HMI_Elements" || table == "HMIJumps" || table == "PagesAndImages" ||
         table == "ElementsAndImages";
}

bool DesignScope::CoversTable(const std::string& table) const { return !displays || IsDisplayTable(table); }

DesignModel ReadDesign(Connection& conn) { return ReadDesign(conn, DesignScope::Everything()); }

DesignModel ReadDesign(Connection& conn, const DesignScope& scope) {
  DesignModel model = DesignModel::Empty();
  if (scope.displays) FillScope(conn, scope);
  for (DesignTable& table : model.Tables()) {
    if (scope.CoversTable(table.name)) ReadTable(conn, table, scope);
  }
  return model;
}

ApplyCounts ApplyDesign(Connection& conn, const DesignModel& wanted, const DesignScope& scope) {
  DesignModel now = ReadDesign(conn, scope);
  ApplyCounts counts;
  // The tables have no foreign keys, so their order does not matter here.
  for (size_t i = 0; i < now.Tables().size(); ++i) {
    const DesignTable& table = now.Tables()[i];
    if (scope.CoversTable(table.name)) ApplyTable(conn, table, wanted.Tables()[i], counts);
  }
  return counts;
}

}  // namespace brisklet
