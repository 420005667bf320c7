// The checks of the incremental compile: walking again the rows of what changed, keeping
// what they find, and reporting the kept findings where the pipeline runs each check.
#include "base/RuntimeError.h"
#include "checks/DesignChecks.h"
#include "checks/Queries.h"
#include "encoding/HostMessages.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

// Keeps the findings of one check while it walks the rows of what changed.
struct DesignChecks::Keeping {
  Keeping(DesignChecks& checks, CheckId check) : checks(checks) { checks.mKeeping = check; }
  ~Keeping() { checks.mKeeping.reset(); }
  DesignChecks& checks;
};

void DesignChecks::prvFound(const Value& part, const Value& sortKey, KeptFinding finding) {
  if (mKeeping) {
    KeepFinding(*mKeeping, part, sortKey, finding);
  } else if (finding.kind == FindingKind::kNotice) {
    ShowMessageBox(finding.message);
  } else {
    prvReportMessage(finding.severity, finding.moduleId, finding.location, finding.message, finding.displayId);
  }
}

void DesignChecks::prvFoundMessage(const Recordset& row, int32_t severity, int32_t moduleId,
                                   const std::string& location, const std::string& message, int32_t displayId) {
  prvFound(KeyPartOf(row), SortKeyOf(row), {FindingKind::kMessage, severity, moduleId, location, message, displayId});
}

void DesignChecks::prvFoundNotice(const Recordset& row, const std::string& text) {
  prvFound(KeyPartOf(row), SortKeyOf(row), {FindingKind::kNotice, 0, 0, "", text, 0});
}

void DesignChecks::prvRecomputeChangedFindings(bool everything) {
  ExecuteSql(kSqlForgetChangedDisplays, {});
  ExecuteSql(kSqlForgetChangedNames, {});
  ExecuteSql(kSqlForgetChangedVariableRows, {});
  ExecuteSql(kSqlKeepChangedVariableRows, {});
  {
    Keeping keeping(*this, CheckId::kFonts);
    prvWalkFonts(*GetRecordset(everything ? kSqlAllFontElements : kSqlChangedFontElements, {}));
  }
  {
    Keeping keeping(*this, CheckId::kGuidClashes);
    ExecuteSql(kSqlClearCandidateGuids, {});
    ExecuteSql(everything ? kSqlAllCandidateGuids : kSqlChangedCandidateGuids, {});
    ExecuteSql(kSqlForgetGuidClashes, {});
    prvWalkGuidClashes(*GetRecordset(kSqlChangedGuidClashes, {}));
  }
  prvRecomputeTabIndexes();
  // The checks the pipeline runs after the displays: their walk, over the rows of what
  // changed or over the whole project.
  struct Walk {
    CheckId check;
    void (DesignChecks::*walk)(Recordset&);
    const char* changedRows;
    const char* allRows;
  };
  const Walk walks[] = {
      {CheckId::k3DSize, &DesignChecks::prvWalk3DSize, kSqlChangedTooSmallFor3D, kSqlAllTooSmallFor3D},
      {CheckId::kDuplicateTouch, &DesignChecks::prvWalkDuplicateTouch, kSqlChangedDuplicateTouch,
       kSqlAllDuplicateTouch},
      {CheckId::kTouchAndHide, &DesignChecks::prvWalkTouchAndHide, kSqlChangedTouchAndHide, kSqlAllTouchAndHide},
      {CheckId::kTouchVsSwitch, &DesignChecks::prvWalkTouchVsSwitch, kSqlChangedTouchVsSwitch, kSqlAllTouchVsSwitch},
      // The kept variable rows are all there is to walk, whatever changed.
      {CheckId::kDuplicateVarNames, &DesignChecks::prvWalkDuplicateVarNames, kSqlChangedDuplicateVarNames,
       kSqlChangedDuplicateVarNames},
      {CheckId::kTrendGraphSize, &DesignChecks::prvWalkTrendGraphSize, kSqlChangedSmallTrendGraphs,
       kSqlAllSmallTrendGraphs},
  };
  for (const Walk& w : walks) {
    Keeping keeping(*this, w.check);
    (this->*w.walk)(*GetRecordset(everything ? w.allRows : w.changedRows, {}));
  }
}

// The duplicate tab index check of each changed display. A display whose check fails is kept
// as such: the pipeline runs its check again when it comes to it, and fails there as it would.
void DesignChecks::prvRecomputeTabIndexes() {
  Keeping keeping(*this, CheckId::kTabIndexes);
  auto displays = GetRecordset(kSqlChangedDisplays, {});
  for (; !displays->Eof(); displays->MoveNext()) {
    int32_t id = displays->Long("Id");
    try {
      prvCheckDuplicateTabIndexes(id);
    } catch (const RuntimeError&) {
      KeepFinding(CheckId::kTabIndexes, Value(id), Value(id), {FindingKind::kCheckFailed, 0, 0, "", "", id});
    }
  }
}

void DesignChecks::prvReportKept(CheckId check) {
  for (const KeptRow& row : KeptFindingsOf(check)) prvFound({}, {}, row.finding);
}

DesignChecks::GuidClashes DesignChecks::prvReportKeptGuidClashes() {
  GuidClashes clashes;
  for (const KeptRow& row : KeptFindingsOf(CheckId::kGuidClashes)) {
    const KeptFinding& f = row.finding;
    if (f.kind == FindingKind::kClashingElement) {
      clashes.elements.insert(f.displayId);
    } else if (f.kind == FindingKind::kClashingDisplay) {
      clashes.displays.insert(f.displayId);
    } else {
      prvFound({}, {}, f);
    }
  }
  return clashes;
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
    prvFound({}, {}, f);
  }
}

}  // namespace brisklet
