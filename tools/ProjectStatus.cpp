// The next compile's preparation run on a private copy, compared with the project as it was;
// and the store compared with a compile of every item.
#include "ProjectStatus.h"

#include <map>
#include <unordered_set>

#include "component/clsDownload.h"
#include "database/Connection.h"
#include "database/Recordset.h"
#include "host/DefaultHost.h"

namespace brisklet::cli {
namespace {

constexpr const char* kSqlCompiledItems = "SELECT Guid FROM DownloadDLUs WHERE IsCompiled IS NOT 0";
// The pending elements and displays by display, the display first, with whether a unit is stored.
constexpr const char* kSqlPendingItems =
    "SELECT 'element' AS Item, e.ID AS ID, d.Guid AS Guid, e.DisplayID AS DisplayID, EXISTS (SELECT 1 FROM "
    "DownloadUnits WHERE UnitGuid = d.Guid) AS Stored FROM DownloadDLUs d JOIN HMI_Elements e ON e.GUID = d.Guid "
    "WHERE d.IsCompiled = 0 UNION ALL SELECT 'display', p.Id, d.Guid, p.Id, EXISTS (SELECT 1 FROM DownloadUnits "
    "WHERE UnitGuid = d.Guid) FROM DownloadDLUs d JOIN Pages p ON p.GUID = d.Guid WHERE d.IsCompiled = 0 ORDER BY 4, "
    "1, 3, 2";
constexpr const char* kSqlDisplays = "SELECT Id, GUID, Description FROM Pages ORDER BY Id";
constexpr const char* kSqlUnits = "SELECT UnitGuid, UnitType, Mode, Data FROM DownloadUnits ORDER BY UnitGuid";
constexpr const char* kSqlItemOfGuid =
    "SELECT 'element' AS Item, ID FROM HMI_Elements WHERE GUID = ?1 UNION ALL SELECT 'display', Id FROM Pages WHERE "
    "GUID = ?1 ORDER BY 1 DESC, 2 LIMIT 1";

int64_t Integer(const Value& v) { return v.IntegerPtr() ? *v.IntegerPtr() : 0; }

std::unordered_set<int64_t> GuidsOf(Connection& conn, const char* sql) {
  std::unordered_set<int64_t> guids;
  for (Recordset rs(conn, sql, 0, 1); !rs.Eof(); rs.MoveNext()) guids.insert(Integer(rs.Field("Guid")));
  return guids;
}

// Every stored unit: its type, mode and bytes.
std::map<int64_t, std::vector<Value>> StoredUnits(Connection& conn) {
  std::map<int64_t, std::vector<Value>> units;
  for (Recordset rs(conn, kSqlUnits, 0, 1); !rs.Eof(); rs.MoveNext()) {
    units[Integer(rs.Field("UnitGuid"))] = {rs.Field("UnitType"), rs.Field("Mode"), rs.Field("Data")};
  }
  return units;
}

void ReadPending(Connection& conn, const std::unordered_set<int64_t>& compiledBefore, ProjectStatus& status) {
  for (Recordset rs(conn, kSqlPendingItems, 0, 1); !rs.Eof(); rs.MoveNext()) {
    PendingItem item{rs.Str("Item"), rs.Field("ID"), rs.Field("Guid"), rs.Field("DisplayID"), {}};
    bool stored = rs.Field("Stored") == Value(1);
    if (compiledBefore.contains(Integer(item.guid))) {
      item.reason = !status.prepared.recompileReason.empty() ? "everything" : stored ? "edited" : "unit missing";
    } else {
      item.reason = stored ? "had findings" : "not stored";
    }
    status.pending.push_back(std::move(item));
  }
}

void CountByDisplay(Connection& conn, ProjectStatus& status) {
  std::map<std::string, std::pair<int64_t, int64_t>> counts;  // by display ID as SQL text
  for (const PendingItem& item : status.pending) ++counts[item.displayId.SqlText()].first;
  for (const KeptFinding& f : status.kept) ++counts[f.displayId.SqlText()].second;
  for (Recordset rs(conn, kSqlDisplays, 0, 1); !rs.Eof(); rs.MoveNext()) {
    auto found = counts.find(rs.Field("Id").SqlText());
    if (found == counts.end()) continue;
    status.displays.push_back(
        {rs.Field("Id"), rs.Field("GUID"), rs.Field("Description"), found->second.first, found->second.second});
  }
}

// Compiles every item of the copy from scratch, silently, and compares its store with `before`.
std::vector<StaleUnit> StaleUnits(DefaultHost& host, Connection& conn,
                                  const std::map<int64_t, std::vector<Value>>& before, ProjectStatus& status) {
  std::unordered_set<int64_t> pending;
  for (const PendingItem& item : status.pending) pending.insert(Integer(item.guid));
  std::map<int64_t, std::vector<Value>> kept = StoredUnits(conn);  // what the preparation left
  conn.Execute("UPDATE DownloadDLUs SET IsCompiled = 0");
  conn.Execute("DELETE FROM DownloadUnits");
  DefaultHostOptions options = host.Options();
  options.notice = [](const std::string&) {};
  DefaultHost quiet(conn, options);
  clsDownload compiler(quiet);
  ProjectCompile(compiler, quiet, conn).Run({.rebuild = true});
  std::map<int64_t, std::vector<Value>> after = StoredUnits(conn);

  std::map<int64_t, const char*> changes;
  for (const auto& [guid, unit] : before) {
    auto made = after.find(guid);
    if (made == after.end()) changes[guid] = "extra";
    else if (made->second != unit) changes[guid] = "differs";
  }
  for (const auto& [guid, unit] : after) {
    if (!before.contains(guid)) changes[guid] = "missing";
  }
  status.unitsCompared = static_cast<int64_t>(before.size());
  for (const auto& [guid, unit] : after) status.unitsCompared += before.contains(guid) ? 0 : 1;
  std::vector<StaleUnit> stale;
  for (const auto& [guid, change] : changes) {
    StaleUnit unit{guid, "", Value(), change, pending.contains(guid), before.contains(guid) && !kept.contains(guid)};
    Recordset item(conn, kSqlItemOfGuid, {Value(guid)}, 0, 1);
    if (!item.Eof()) {
      unit.item = item.Str("Item");
      unit.id = item.Field("ID");
    }
    stale.push_back(std::move(unit));
  }
  return stale;
}

}  // namespace

ProjectStatus ReadProjectStatus(DefaultHost& host, clsDownload& compiler, Connection& conn, bool verify) {
  ProjectStatus status;
  std::map<int64_t, std::vector<Value>> stored;
  if (verify) stored = StoredUnits(conn);
  std::unordered_set<int64_t> compiledBefore = GuidsOf(conn, kSqlCompiledItems);
  status.prepared = ProjectCompile(compiler, host, conn).PrepareOnly();
  ReadPending(conn, compiledBefore, status);
  status.kept = ReadKeptFindings(conn);
  CountByDisplay(conn, status);
  status.lastCompile = conn.QueryValue("SELECT Value FROM CompileState WHERE Name = 'LastCompile'").value_or(Value());
  if (verify) status.stale = StaleUnits(host, conn, stored, status);
  return status;
}

}  // namespace brisklet::cli
