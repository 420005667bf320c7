// A recordset opened on SQL text. The whole result is read when it opens, so a walk never
// sees its own writes (an UPDATE of a row it is ordered by cannot make it revisit rows),
// and RecordCount of a static cursor is simply the number of rows read. Rows are kept in a
// compact form; a field becomes a Value when it is first read on the current row.
#pragma once
#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
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
  // A query with bound parameters (the safe way to pass values): a fixed text whose '?' take them.
  Recordset(Connection& conn, const std::string& sql, const std::vector<Value>& params, int cursorType = kStatic,
            int lockType = kReadOnly);

  bool Eof() const { return mRow >= mRowStart.size(); }
  bool Bof() const { return mRowStart.empty(); }
  void MoveNext();
  void MoveFirst() { mRow = 0; }
  // Only static cursors know their count, as with the original cursors.
  int RecordCount() const;

  // The value of a field of the current row; an unknown field or a read past the end is an error.
  // The reference holds until the cursor moves.
  const Value& Field(std::string_view name) const;
  // The field converted as the compilers read it (CLng, CStr). A whole number or a text as
  // read is taken straight from the row, without making its Value.
  int32_t Long(std::string_view name) const;
  std::string Str(std::string_view name) const;
  bool HasField(std::string_view name) const { return mColumns->Find(name) >= 0; }
  // Sets a field of the current row; Update writes the changed fields to their base table.
  void SetField(std::string_view name, const Value& value);
  void Update();
  void Close();

  Connection& ActiveConnection() { return *mConn; }

  // Row `row` (from 0) alone, as if read by that query (the text its errors show), with the
  // same columns: a row read ahead in a batch handed out as its own recordset.
  std::unique_ptr<Recordset> RowAs(size_t row, const std::string& sql, const std::vector<Value>& params,
                                   int cursorType, int lockType) const;

 private:
  Recordset(Connection& conn, std::string sql, std::vector<Value> params, int cursorType, int lockType,
            std::shared_ptr<const Columns> columns);
  // The text as errors show it, the values in place of its '?'.
  std::string Shown() const;
  void ReadAll(sqlite3_stmt* stmt, std::shared_ptr<const Columns> columns);
  int IndexOf(std::string_view name) const;
  void ReadRow(sqlite3_stmt* stmt);
  uint8_t* Reserve(size_t bytes);  // room for that many more bytes at the end of mData
  // The field of the current row as a Value (made on first read, or as SetField left it).
  const Value& Current(int column) const;
  Value& Current(int column);
  // Where the field of the current row begins in mData; nothing when it was set by SetField.
  std::optional<size_t> FieldAt(int column) const;
  Value Decode(size_t at) const;

  Connection* mConn;
  std::string mSql;
  std::vector<Value> mParams;
  int mCursorType;
  int mLockType;
  std::shared_ptr<const Columns> mColumns;
  size_t mWidth = 0;
  size_t mRow = 0;
  // The rows as read, one after the other, each field a tag byte and its value: integers as
  // variable-length numbers, texts and blobs with their length. Most fields are small
  // numbers, so a row takes a few bytes a field where Values would take forty.
  // Held by malloc, so that it grows by realloc: a large block is moved by remapping its pages,
  // never copied while the old one is still held (which would be twice its size at once).
  struct FreeBytes {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  std::unique_ptr<uint8_t, FreeBytes> mData;
  size_t mDataSize = 0;
  size_t mDataCapacity = 0;
  std::vector<size_t> mRowStart;     // where each row begins in mData
  std::map<size_t, Value> mChanged;  // fields set by SetField, by row * width + column
  // The fields of the current row made into Values so far: a field's Value is valid while
  // its `madeFor` is the current row's number + 1.
  struct Made {
    size_t at = 0;       // where the field begins in mData
    size_t madeFor = 0;  // row number + 1 of the Value in mCurrent
  };
  mutable std::vector<Value> mCurrent;
  mutable std::vector<Made> mMade;
  mutable size_t mCurrentRow = SIZE_MAX;  // the row whose field positions mMade holds
  mutable size_t mPlaced = 0;             // how many of them, from the first
  std::vector<int> mDirty;
};

}  // namespace brisklet
