// Reading CompileItemFindings with the items its rows belong to.
#include "KeptFindings.h"

#include "base/Constants.h"
#include "database/Connection.h"
#include "database/Recordset.h"

namespace brisklet::cli {
namespace {

constexpr const char* kSqlKeptFindings =
    "SELECT Guid, ItemType, Kind, Severity, Message, CASE WHEN ItemType = ?1 THEN (SELECT ID FROM HMI_Elements WHERE "
    "GUID = f.Guid ORDER BY ID LIMIT 1) ELSE (SELECT Id FROM Pages WHERE GUID = f.Guid ORDER BY Id LIMIT 1) END AS "
    "ItemID, CASE WHEN ItemType = ?1 THEN (SELECT DisplayID FROM HMI_Elements WHERE GUID = f.Guid ORDER BY ID LIMIT 1) "
    "ELSE (SELECT Id FROM Pages WHERE GUID = f.Guid ORDER BY Id LIMIT 1) END AS DisplayID FROM CompileItemFindings f "
    "ORDER BY ItemType = ?1 DESC, Guid, Seq";

}  // namespace

std::vector<KeptFinding> ReadKeptFindings(Connection& conn) {
  std::vector<KeptFinding> findings;
  if (!conn.QueryValue("SELECT 1 FROM sqlite_master WHERE name = 'CompileItemFindings'")) return findings;
  for (Recordset rs(conn, kSqlKeptFindings, {Value(int64_t{kUnitElement})}, 0, 1); !rs.Eof(); rs.MoveNext()) {
    KeptFinding f;
    f.guid = rs.Field("Guid").IntegerPtr() ? *rs.Field("Guid").IntegerPtr() : 0;
    f.item = rs.Field("ItemType") == Value(int64_t{kUnitElement}) ? "element" : "display";
    f.itemId = rs.Field("ItemID");
    f.displayId = rs.Field("DisplayID");
    f.severity = rs.Field("Kind") == Value(1) ? "notice" : rs.Field("Severity") == Value(0) ? "error" : "warning";
    f.message = rs.Field("Message").IsNull() ? std::string() : rs.Field("Message").ToString("Message");
    findings.push_back(std::move(f));
  }
  return findings;
}

}  // namespace brisklet::cli
