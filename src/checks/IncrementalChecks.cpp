// The checks of the incremental compile: walking again the rows of what changed, keeping
// what they find, and reporting the kept findings where the pipeline runs each check.
#include "base/RuntimeError.h"
#include "checks/DesignChecks.h"
#include "checks/Queries.h"
#include "encoding/HostMessages.h"
#include "host/RecordsetAccess.h"

namespace brisklet {
namespace {

// Keeps the findings the walks make while it lasts.
struct Keeping {
  explicit Keeping(bool& keeping) : keeping(keeping) { keeping = true; }
  ~Keeping() { keeping = false; }
  bool& keeping;
};

Value CheckNumber(CheckId id) { return Value(static_cast<int32_t>(id)); }

// The rows of the duplicate variable name check of the changed displays, kept per display:
// its own text's rows, as CompileVariableRows holds them. When every display changed, the names
// met twice on a display are found first, so that only their rows look for a later one.
std::string KeepChangedVariableRows(bool everything) {
  const CheckRow& check = CheckOf(CheckId::kDuplicateVarNames);
  return std::string(
             "INSERT INTO CompileVariableRows SELECT HMI1.DisplayID, HMI1.ID, HMI1.Text, Pages.Description, "
             "Pages.ModuleID") +
         check.from + check.condition +
         (everything ? " AND (HMI1.DisplayID, HMI1.Text) IN (SELECT DisplayID, Text FROM HMI_Elements WHERE Type=5 "
                       "AND Text IS NOT NULL GROUP BY DisplayID, Text HAVING count(*) > 1)"
                     : std::string(" AND ") + check.partition + " IN (SELECT DisplayID FROM CompileChangedDisplays)");
}

}  // namespace

void DesignChecks::prvRecomputeChangedFindings(bool everything) {
  for (const CheckRow& check : CheckTable()) {
    if (check.keptBy == KeptBy::kDisplay) ExecuteSql(kSqlForgetChangedDisplays, {CheckNumber(check.id)});
    if (check.keptBy == KeptBy::kName) ExecuteSql(kSqlForgetChangedNames, {CheckNumber(check.id)});
  }
  // When everything changed, rows kept for a display that is gone unnoted go too.
  ExecuteSql(everything ? kSqlForgetAllVariableRows : kSqlForgetChangedVariableRows, {});
  ExecuteSql(KeepChangedVariableRows(everything), {});
  // The shared GUIDs are walked again among the candidates.
  ExecuteSql(kSqlClearCandidateGuids, {});
  if (everything) {
    ExecuteSql(kSqlAllCandidateGuids, {});
  } else {
    ExecuteSql(kSqlChangedCandidateGuids, {CheckNumber(CheckId::kGuidClashes)});
  }
  ExecuteSql(kSqlForgetCheck, {CheckNumber(CheckId::kGuidClashes)});
  Keeping keeping(mKeeping);
  for (const CheckRow& check : CheckTable()) {
    if (check.keptBy == KeptBy::kNothing) continue;
    if (!check.walk) {
      prvRecomputeTabIndexes();
      continue;
    }
    (this->*check.walk)(*GetRecordset(everything ? AllRowsText(check) : ChangedRowsText(check), {}));
  }
}

// The duplicate tab index check of each changed display. A display whose check fails is kept
// as such: the pipeline runs its check again when it comes to it, and fails there as it would.
void DesignChecks::prvRecomputeTabIndexes() {
  auto displays = GetRecordset(kSqlChangedDisplays, {});
  for (; !displays->Eof(); displays->MoveNext()) {
    int32_t id = displays->Long("Id");
    try {
      prvCheckDuplicateTabIndexes(id);
    } catch (const RuntimeError&) {
      KeepFinding(CheckId::kTabIndexes, Value(id), Value(id), {FindingKind::kCheckFailed, 0, 0, "", "", id, {}});
    }
  }
}

void DesignChecks::prvReportKept(const CheckRow& check) {
  if (check.keptBy == KeptBy::kNothing) {
    prvRunCheck(check);
    return;
  }
  for (const KeptRow& row : KeptFindingsOf(check.id)) {
    const KeptFinding& f = row.finding;
    if (f.kind == FindingKind::kClashingElement) {
      mGuidClashes.elements.insert(f.displayId);
    } else if (f.kind == FindingKind::kClashingDisplay) {
      mGuidClashes.displays.insert(f.displayId);
    } else {
      prvFound(check.id, {}, {}, f);
    }
  }
}

std::map<int32_t, std::vector<KeptFinding>> DesignChecks::prvKeptTabIndexFindings() {
  std::map<int32_t, std::vector<KeptFinding>> kept;
  for (KeptRow& row : KeptFindingsOf(CheckId::kTabIndexes)) kept[row.part.ToLong("Part")].push_back(row.finding);
  return kept;
}

void DesignChecks::prvReportKeptTabIndexes(int32_t displayId, const std::map<int32_t, std::vector<KeptFinding>>& kept) {
  auto found = kept.find(displayId);
  if (found == kept.end()) return;
  for (const KeptFinding& f : found->second) {
    if (f.kind == FindingKind::kCheckFailed) {
      prvCheckDuplicateTabIndexes(displayId);
      return;
    }
    prvFound(CheckId::kTabIndexes, {}, {}, f);
  }
}

}  // namespace brisklet
