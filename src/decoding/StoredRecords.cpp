// Reading the download store with the items its units belong to.
#include "decoding/StoredRecords.h"

#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "database/Recordset.h"
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

std::vector<StoredRecord> ReadStoredRecords(Connection& db) {
  std::vector<StoredRecord> records;
  Recordset rs(db, kSqlStoredUnits, 0, 1);
  for (; !rs.Eof(); rs.MoveNext()) {
    StoredRecord r;
    // A row another program wrote can hold anything: its errors name the unit and the project.
    ErrorScope where("unit " + rs.Field("UnitGuid").SqlText() + " of DownloadUnits in '" + db.Path() + "'");
    r.guid = rs.Long("UnitGuid");
    const Value& type = rs.Field("UnitType");
    int64_t unitType = type.IsNull() ? 0 : type.ToLong("UnitType");
    if (unitType == kUnitElement) r.elementId = IdOf(db, kSqlElementOfGuid, r.guid);
    if (unitType == kUnitDisplay) r.displayId = IdOf(db, kSqlDisplayOfGuid, r.guid);
    std::string guid = std::to_string(r.guid);
    r.label = r.elementId != 0   ? Label("element", r.elementId, guid)
              : r.displayId != 0 ? Label("display", r.displayId, guid)
                                 : "unit " + guid;
    r.data = rs.Field("Data").ToBytes("Data");
    records.push_back(std::move(r));
  }
  return records;
}

std::string ElementLabel(Connection& db, int32_t elementId) {
  return LabelOf(db, "element", kSqlGuidOfElement, elementId);
}

std::string DisplayLabel(Connection& db, int32_t displayId) {
  return LabelOf(db, "display", kSqlGuidOfDisplay, displayId);
}

}  // namespace brisklet
