// Materialised recordsets with field lookup and write-back.
#include "database/Recordset.h"

#include "component/RuntimeError.h"
#include "database/Connection.h"

namespace brisklet {

Recordset::Recordset(Connection& conn, const std::string& sql, int cursorType, int lockType)
    : mConn(&conn), mSql(sql), mCursorType(cursorType), mLockType(lockType) {
  sqlite3_stmt* stmt = conn.Prepared(sql);
  mColumns = conn.ColumnsOf(sql, stmt);
  int n = mColumns->Count();
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    std::vector<Value> row;
    row.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) row.push_back(ColumnValue(stmt, i));
    mRows.push_back(std::move(row));
  }
  sqlite3_reset(stmt);
  if (rc != SQLITE_DONE) {
    throw RuntimeError("Database error", std::string(sqlite3_errmsg(conn.Handle())) + " in: " + sql);
  }
}

void Recordset::MoveNext() {
  if (Eof()) throw RuntimeError("Either BOF or EOF is True, or the current record has been deleted");
  ++mRow;
}

int Recordset::RecordCount() const {
  if (mCursorType != kStatic) return -1;
  return static_cast<int>(mRows.size());
}

int Recordset::IndexOf(const std::string& name) const {
  int i = mColumns->Find(name);
  if (i < 0) {
    throw RuntimeError("Item cannot be found in the collection corresponding to the requested name or ordinal",
                       "no field '" + name + "' in: " + mSql);
  }
  return i;
}

const Value& Recordset::Field(const std::string& name) const {
  int i = IndexOf(name);
  if (Eof()) {
    throw RuntimeError("Either BOF or EOF is True, or the current record has been deleted",
                       "reading '" + name + "' past the last row of: " + mSql);
  }
  return mRows[mRow][static_cast<size_t>(i)];
}

void Recordset::SetField(const std::string& name, const Value& value) {
  int i = IndexOf(name);
  if (Eof()) throw RuntimeError("Either BOF or EOF is True, or the current record has been deleted");
  if (mLockType == kReadOnly) {
    throw RuntimeError("Current Recordset does not support updating", "setting '" + name + "'");
  }
  mRows[mRow][static_cast<size_t>(i)] = value;
  mDirty.push_back(i);
}

void Recordset::Update() {
  for (int i : mDirty) {
    const ColumnInfo& c = mColumns->At(i);
    const std::string& key = c.originTable.empty() ? c.originTable : mConn->PrimaryKeyOf(c.originTable);
    int keyIndex = -1;
    for (int k = 0; k < mColumns->Count() && !key.empty(); ++k) {
      const ColumnInfo& kc = mColumns->At(k);
      if (kc.originTable == c.originTable && kc.originColumn == ToLower(key)) keyIndex = k;
    }
    if (keyIndex < 0) {
      throw RuntimeError("Insufficient key column information for updating or refreshing",
                         "field '" + c.reported + "' of: " + mSql);
    }
    // Names come from the database's own metadata, values are bound: no user text in the SQL.
    mConn->Execute("UPDATE \"" + c.originTable + "\" SET \"" + c.originColumn + "\"=? WHERE \"" + key + "\"=?",
                   {mRows[mRow][static_cast<size_t>(i)], mRows[mRow][static_cast<size_t>(keyIndex)]});
  }
  mDirty.clear();
}

void Recordset::Close() {
  mRows.clear();
  mRow = 0;
}

}  // namespace brisklet
