// A recordset opened on SQL text. The whole result is read when it opens, so a walk never
// sees its own writes (an UPDATE of a row it is ordered by cannot make it revisit rows),
// and RecordCount of a static cursor is simply the number of rows read.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "database/Columns.h"
#include "database/Value.h"

namespace brisklet {

class Connection;

// Cursor and lock types, numbered as the callers pass them.
enum CursorType { kForwardOnly = 0, kStatic = 3 };
enum LockType { kReadOnly = 1, kOptimistic = 3 };

class Recordset {
 public:
  Recordset(Connection& conn, const std::string& sql, int cursorType, int lockType);

  bool Eof() const { return mRow >= mRows.size(); }
  bool Bof() const { return mRows.empty(); }
  void MoveNext();
  void MoveFirst() { mRow = 0; }
  // Only static cursors know their count, as with the original cursors.
  int RecordCount() const;

  // The value of a field of the current row; an unknown field or a read past the end is an error.
  const Value& Field(const std::string& name) const;
  // The field converted as the compilers read it (CLng, CStr).
  int32_t Long(const std::string& name) const { return Field(name).ToLong(name); }
  std::string Str(const std::string& name) const { return Field(name).ToString(name); }
  bool HasField(const std::string& name) const { return mColumns->Find(name) >= 0; }
  // Sets a field of the current row; Update writes the changed fields to their base table.
  void SetField(const std::string& name, const Value& value);
  void Update();
  void Close();

  Connection& ActiveConnection() { return *mConn; }
  const std::string& Sql() const { return mSql; }

 private:
  int IndexOf(const std::string& name) const;

  Connection* mConn;
  std::string mSql;
  int mCursorType;
  int mLockType;
  std::shared_ptr<const Columns> mColumns;
  std::vector<std::vector<Value>> mRows;
  size_t mRow = 0;
  std::vector<int> mDirty;
};

}  // namespace brisklet
