// Reading the download store with the items its units belong to.
#include "decoding/StoredRecords.h"

#include <sqlite3.h>

#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "decoding/Queries.h"

namespace brisklet {
namespace {

int32_t IdOf(Connection& db, const char* sql, int32_t guid) {
  std::optional<Value> id = db.QueryValue(sql, {Value(guid)});
  return id ? id->ToLong("ID") : 0;
}

std::string Label(const char* what, int32_t id, const std::string& guid) {
  return std::string(what) + " " + std::to_string(id) + " (GUID " + guid + ")";
}

std::string LabelOf(Connection& db, const char* what, const char* sql, int32_t id) {
  std::optional<Value> guid = db.QueryValue(sql, {Value(id)});
  return Label(what, id, guid ? guid->SqlText() : "none");
}

}  // namespace

StoredRecordReader::StoredRecordReader(Connection& db, bool withData) : mDb(db), mWithData(withData) {
  const char* sql = withData ? kSqlStoredUnits : kSqlStoredUnitGuids;
  if (sqlite3_prepare_v2(db.Handle(), sql, -1, &mStmt, nullptr) != SQLITE_OK) {
    std::string why = sqlite3_errmsg(db.Handle());
    sqlite3_finalize(mStmt);
    throw RuntimeError("Database error", why + " in: " + sql);
  }
}

StoredRecordReader::~StoredRecordReader() { sqlite3_finalize(mStmt); }

bool StoredRecordReader::Next(StoredRecord& r) {
  int rc = sqlite3_step(mStmt);
  if (rc == SQLITE_DONE) return false;
  if (rc != SQLITE_ROW) {
    throw RuntimeError("Database error", std::string(sqlite3_errmsg(mDb.Handle())) + " in: " + sqlite3_sql(mStmt));
  }
  Value guidField = ColumnValue(mStmt, 0);
  // A row another program wrote can hold anything: its errors name the unit and the project.
  ErrorScope where("unit " + guidField.SqlText() + " of DownloadUnits in '" + mDb.Path() + "'");
  r = StoredRecord{};
  r.guid = guidField.ToLong("UnitGuid");
  Value type = ColumnValue(mStmt, 1);
  int64_t unitType = type.IsNull() ? 0 : type.ToLong("UnitType");
  if (unitType == kUnitElement) r.elementId = IdOf(mDb, kSqlElementOfGuid, r.guid);
  if (unitType == kUnitDisplay) r.displayId = IdOf(mDb, kSqlDisplayOfGuid, r.guid);
  std::string guid = std::to_string(r.guid);
  r.label = r.elementId != 0   ? Label("element", r.elementId, guid)
            : r.displayId != 0 ? Label("display", r.displayId, guid)
                               : "unit " + guid;
  if (mWithData) r.data = ColumnValue(mStmt, 2).ToBytes("Data");
  return true;
}

std::vector<StoredRecord> ReadStoredRecords(Connection& db) {
  std::vector<StoredRecord> records;
  StoredRecordReader reader(db);
  for (StoredRecord r; reader.Next(r);) records.push_back(std::move(r));
  return records;
}

std::string ElementLabel(Connection& db, int32_t elementId) {
  return LabelOf(db, "element", kSqlGuidOfElement, elementId);
}

std::string DisplayLabel(Connection& db, int32_t displayId) {
  return LabelOf(db, "display", kSqlGuidOfDisplay, displayId);
}

}  // namespace brisklet
