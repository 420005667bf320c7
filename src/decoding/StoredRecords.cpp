// Reading the download store with the items its units belong to.
#include "decoding/StoredRecords.h"

#include "base/Constants.h"
#include "database/Connection.h"
#include "database/Recordset.h"

namespace brisklet {
namespace {

constexpr const char* kElementOfGuid = "SELECT ID FROM HMI_Elements WHERE GUID=? ORDER BY ID LIMIT 1";
constexpr const char* kDisplayOfGuid = "SELECT Id FROM Pages WHERE GUID=? ORDER BY Id LIMIT 1";
constexpr const char* kGuidOfElement = "SELECT GUID FROM HMI_Elements WHERE ID=?";
constexpr const char* kGuidOfDisplay = "SELECT GUID FROM Pages WHERE Id=?";

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
  Recordset rs(db, "SELECT UnitGuid, UnitType, Data FROM DownloadUnits ORDER BY UnitGuid", 0, 1);
  for (; !rs.Eof(); rs.MoveNext()) {
    StoredRecord r;
    r.guid = rs.Long("UnitGuid");
    const Value& type = rs.Field("UnitType");
    int64_t unitType = type.IsNull() ? 0 : type.ToLong("UnitType");
    if (unitType == kUnitElement) r.elementId = IdOf(db, kElementOfGuid, r.guid);
    if (unitType == kUnitDisplay) r.displayId = IdOf(db, kDisplayOfGuid, r.guid);
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
  return LabelOf(db, "element", kGuidOfElement, elementId);
}

std::string DisplayLabel(Connection& db, int32_t displayId) {
  return LabelOf(db, "display", kGuidOfDisplay, displayId);
}

}  // namespace brisklet
