// Materialised recordsets with field lookup and write-back.
#include "database/Recordset.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/RuntimeError.h"
#include "database/Connection.h"

namespace brisklet {

namespace {

enum FieldTag : uint8_t { kNull, kInteger, kReal, kText, kBlob };

// Appends an unsigned number, seven bits a byte, the low bits first.
uint8_t* PutVarint(uint8_t* p, uint64_t v) {
  while (v >= 0x80) {
    *p++ = static_cast<uint8_t>(v | 0x80);
    v >>= 7;
  }
  *p++ = static_cast<uint8_t>(v);
  return p;
}

uint64_t GetVarint(const uint8_t*& p) {
  uint64_t v = 0;
  for (int shift = 0;; shift += 7) {
    uint8_t b = *p++;
    v |= static_cast<uint64_t>(b & 0x7F) << shift;
    if (b < 0x80) return v;
  }
}

uint64_t ZigZag(int64_t v) { return (static_cast<uint64_t>(v) << 1) ^ static_cast<uint64_t>(v >> 63); }
int64_t UnZigZag(uint64_t v) { return static_cast<int64_t>(v >> 1) ^ -static_cast<int64_t>(v & 1); }

// The end of the field that starts at p.
const uint8_t* SkipField(const uint8_t* p) {
  switch (*p++) {
    case kInteger: GetVarint(p); return p;
    case kReal: return p + sizeof(double);
    case kText:
    case kBlob: {
      uint64_t n = GetVarint(p);
      return p + n;
    }
    default: return p;
  }
}

}  // namespace

Recordset::Recordset(Connection& conn, const std::string& sql, int cursorType, int lockType)
    : Recordset(conn, sql, std::vector<Value>{}, cursorType, lockType) {}

Recordset::Recordset(Connection& conn, const std::string& sql, const std::vector<Value>& params, int cursorType,
                     int lockType)
    : mConn(&conn), mSql(sql), mParams(params), mCursorType(cursorType), mLockType(lockType) {
  auto turn = conn.Turn();
  Connection::Query query = conn.Opened(sql, params);
  ReadAll(query.stmt, std::move(query.columns));
}

Recordset::Recordset(Connection& conn, std::string sql, std::vector<Value> params, int cursorType, int lockType,
                     std::shared_ptr<const Columns> columns)
    : mConn(&conn),
      mSql(std::move(sql)),
      mParams(std::move(params)),
      mCursorType(cursorType),
      mLockType(lockType),
      mColumns(std::move(columns)),
      mWidth(static_cast<size_t>(mColumns->Count())) {
  mCurrent.resize(mWidth);
  mMade.resize(mWidth);
}

std::unique_ptr<Recordset> Recordset::RowAs(size_t at, const std::string& sql, const std::vector<Value>& params,
                                            int cursorType, int lockType) const {
  if (at >= mRowStart.size()) throw RuntimeError("Either BOF or EOF is True, or the current record has been deleted");
  std::unique_ptr<Recordset> row(new Recordset(*mConn, sql, params, cursorType, lockType, mColumns));
  size_t begin = mRowStart[at];
  size_t end = at + 1 < mRowStart.size() ? mRowStart[at + 1] : mDataSize;
  std::memcpy(row->Reserve(end - begin), mData.get() + begin, end - begin);
  row->mDataSize = end - begin;
  row->mRowStart.push_back(0);
  for (const auto& [field, value] : mChanged) {
    if (field / mWidth == at) row->mChanged[field % mWidth] = value;
  }
  return row;
}

std::string Recordset::Shown() const { return mParams.empty() ? mSql : WithValues(mSql, mParams); }

void Recordset::ReadAll(sqlite3_stmt* stmt, std::shared_ptr<const Columns> columns) {
  mColumns = std::move(columns);
  mWidth = static_cast<size_t>(mColumns->Count());
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) ReadRow(stmt);
  sqlite3_reset(stmt);
  if (rc != SQLITE_DONE) {
    throw RuntimeError("Database error", std::string(sqlite3_errmsg(mConn->Handle())) + " in: " + Shown());
  }
  mCurrent.resize(mWidth);
  mMade.resize(mWidth);
}

uint8_t* Recordset::Reserve(size_t bytes) {
  if (mDataCapacity - mDataSize < bytes) {
    size_t capacity = std::max({mDataCapacity * 2, mDataSize + bytes, size_t{512}});
    auto* grown = static_cast<uint8_t*>(std::realloc(mData.get(), capacity));
    if (grown == nullptr) throw std::bad_alloc();
    static_cast<void>(mData.release());
    mData.reset(grown);
    mDataCapacity = capacity;
  }
  return mData.get() + mDataSize;
}

void Recordset::ReadRow(sqlite3_stmt* stmt) {
  mRowStart.push_back(mDataSize);
  for (size_t i = 0; i < mWidth; ++i) {
    // The connection is not shared between threads, so the column's value may be read directly.
    sqlite3_value* v = sqlite3_column_value(stmt, static_cast<int>(i));
    int type = sqlite3_value_type(v);
    const uint8_t* bytes = nullptr;
    size_t size = 0;
    if (type == SQLITE_TEXT) {
      bytes = sqlite3_value_text(v);
      size = static_cast<size_t>(sqlite3_value_bytes(v));
    } else if (type == SQLITE_BLOB) {
      bytes = static_cast<const uint8_t*>(sqlite3_value_blob(v));
      size = static_cast<size_t>(sqlite3_value_bytes(v));
    }
    uint8_t* start = Reserve(1 + 10 + size);  // tag, longest number or length, bytes
    uint8_t* p = start;
    switch (type) {
      case SQLITE_INTEGER:
        *p++ = kInteger;
        p = PutVarint(p, ZigZag(sqlite3_value_int64(v)));
        break;
      case SQLITE_FLOAT: {
        double d = sqlite3_value_double(v);
        *p++ = kReal;
        std::memcpy(p, &d, sizeof d);
        p += sizeof d;
        break;
      }
      case SQLITE_TEXT:
      case SQLITE_BLOB:
        *p++ = type == SQLITE_TEXT ? kText : kBlob;
        p = PutVarint(p, size);
        if (size > 0) std::memcpy(p, bytes, size);
        p += size;
        break;
      default: *p++ = kNull; break;
    }
    mDataSize += static_cast<size_t>(p - start);
  }
}

Value Recordset::Decode(size_t at) const {
  const uint8_t* p = mData.get() + at;
  switch (*p++) {
    case kInteger: return Value(UnZigZag(GetVarint(p)));
    case kReal: {
      double d;
      std::memcpy(&d, p, sizeof d);
      return Value(d);
    }
    case kText: {
      size_t n = GetVarint(p);
      return Value(std::string(reinterpret_cast<const char*>(p), n));
    }
    case kBlob: {
      size_t n = GetVarint(p);
      return Value(Bytes(p, p + n));
    }
    default: return Value();
  }
}

std::optional<size_t> Recordset::FieldAt(int column) const {
  auto i = static_cast<size_t>(column);
  if (mCurrentRow != mRow) {
    mCurrentRow = mRow;
    mPlaced = 0;
  }
  // The positions are found as far as a field asked for: a walk that reads the first fields
  // of each row does not step over the rest.
  if (i >= mPlaced) {
    const uint8_t* p = mData.get() + (mPlaced == 0 ? mRowStart[mRow] : mMade[mPlaced - 1].at);
    if (mPlaced > 0) p = SkipField(p);
    for (; mPlaced <= i; ++mPlaced) {
      mMade[mPlaced].at = static_cast<size_t>(p - mData.get());
      if (mPlaced < i) p = SkipField(p);
    }
  }
  if (!mChanged.empty() && mChanged.count(mRow * mWidth + i)) return std::nullopt;
  return mMade[i].at;
}

const Value& Recordset::Current(int column) const {
  std::optional<size_t> at = FieldAt(column);
  auto i = static_cast<size_t>(column);
  Made& made = mMade[i];
  if (made.madeFor != mRow + 1) {
    mCurrent[i] = at ? Decode(*at) : mChanged.at(mRow * mWidth + i);
    made.madeFor = mRow + 1;
  }
  return mCurrent[i];
}

int32_t Recordset::Long(std::string_view name) const {
  int i = IndexOf(name);
  if (!Eof()) {
    if (std::optional<size_t> at = FieldAt(i); at && mData.get()[*at] == kInteger) {
      const uint8_t* p = mData.get() + *at + 1;
      int64_t v = UnZigZag(GetVarint(p));
      if (v >= INT32_MIN && v <= INT32_MAX) return static_cast<int32_t>(v);
    }
  }
  return Field(name).ToLong(name);
}

std::string Recordset::Str(std::string_view name) const {
  int i = IndexOf(name);
  if (!Eof()) {
    if (std::optional<size_t> at = FieldAt(i); at && mData.get()[*at] == kText) {
      const uint8_t* p = mData.get() + *at + 1;
      size_t n = GetVarint(p);
      return std::string(reinterpret_cast<const char*>(p), n);
    }
  }
  return Field(name).ToString(name);
}

Value& Recordset::Current(int column) {
  return const_cast<Value&>(static_cast<const Recordset*>(this)->Current(column));
}

void Recordset::MoveNext() {
  if (Eof()) throw RuntimeError("Either BOF or EOF is True, or the current record has been deleted");
  ++mRow;
}

int Recordset::RecordCount() const {
  if (mCursorType != kStatic) return -1;
  return static_cast<int>(mRowStart.size());
}

int Recordset::IndexOf(std::string_view name) const {
  int i = mColumns->Find(name);
  if (i < 0) {
    throw RuntimeError("Item cannot be found in the collection corresponding to the requested name or ordinal",
                       "no field '" + std::string(name) + "' in: " + Shown());
  }
  return i;
}

const Value& Recordset::Field(std::string_view name) const {
  int i = IndexOf(name);
  if (Eof()) {
    throw RuntimeError("Either BOF or EOF is True, or the current record has been deleted",
                       "reading '" + std::string(name) + "' past the last row of: " + Shown());
  }
  return Current(i);
}

void Recordset::SetField(std::string_view name, const Value& value) {
  int i = IndexOf(name);
  if (Eof()) throw RuntimeError("Either BOF or EOF is True, or the current record has been deleted");
  if (mLockType == kReadOnly) {
    throw RuntimeError("Current Recordset does not support updating", "setting '" + std::string(name) + "'");
  }
  Current(i) = value;
  mChanged[mRow * mWidth + static_cast<size_t>(i)] = value;
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
                         "field '" + c.reported + "' of: " + Shown());
    }
    // Names come from the database's own metadata, values are bound: no user text in the SQL.
    mConn->Execute("UPDATE \"" + c.originTable + "\" SET \"" + c.originColumn + "\"=? WHERE \"" + key + "\"=?",
                   {Current(i), Current(keyIndex)});
  }
  mDirty.clear();
}

void Recordset::Close() {
  mData.reset();
  mDataSize = mDataCapacity = 0;
  mRowStart.clear();
  mChanged.clear();
  mRow = 0;
  mCurrentRow = SIZE_MAX;
  mPlaced = 0;
  for (Made& made : mMade) made.madeFor = 0;
}

}  // namespace brisklet
