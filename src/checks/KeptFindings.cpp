// Storing and reading the kept findings of the checks (the CompileFindings table).
#include "checks/KeptFindings.h"

#include "checks/Queries.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

void KeepFinding(CheckId check, const Value& part, const Value& sortKey, const KeptFinding& f) {
  ExecuteSql(kSqlKeepFinding, {Value(static_cast<int32_t>(check)), part, sortKey, Value(static_cast<int32_t>(f.kind)),
                               Value(f.severity), Value(f.moduleId), Value(f.location), Value(f.message),
                               Value(f.displayId), Value(f.element.id), Value(f.element.guid), Value(f.element.name)});
}

std::vector<KeptRow> KeptFindingsOf(CheckId check) {
  std::vector<KeptRow> out;
  auto rs = GetRecordset(kSqlKeptFindings, {Value(static_cast<int32_t>(check))});
  for (; !rs->Eof(); rs->MoveNext()) {
    KeptFinding f;
    f.kind = static_cast<FindingKind>(rs->Long("Kind"));
    f.severity = rs->Long("Severity");
    f.moduleId = rs->Long("ModuleID");
    f.location = rs->Str("Location");
    f.message = rs->Str("Message");
    f.displayId = rs->Long("DisplayID");
    f.element = {rs->Long("ElementID"), rs->Long("ElementGUID"), rs->Str("ElementName")};
    out.push_back({rs->Field("Part"), std::move(f)});
  }
  return out;
}

}  // namespace brisklet
