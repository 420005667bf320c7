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
  const std::pair<CheckId, void (DesignChecks::*)(Recordset&)> walks[] = {
      {CheckId::k3DSize, &DesignChecks::prvWalk3DSize},
      {CheckId::kDuplicateTouch, &DesignChecks::prvWalkDuplicateTouch},
      {CheckId::kTouchAndHide, &DesignChecks::prvWalkTouchAndHide},
      {CheckId::kTouchVsSwitch, &DesignChecks::prvWalkTouchVsSwitch},
      {CheckId::kDuplicateVarNames, &DesignChecks::prvWalkDuplicateVarNames},
      {CheckId::kTrendGraphSize, &DesignChecks::prvWalkTrendGraphSize},
  };
  const char* changed[] = {kSqlChangedTooSmallFor3D,      kSqlChangedDuplicateTouch,
                           kSqlChangedTouchAndHide,       kSqlChangedTouchVsSwitch,
                           kSqlChangedDuplicateVarNames, kSqlChangedSmallTrendGraphs};
  const char* all[] = {kSqlAllTooSmallFor3D, kSqlAllDuplicateTouch,        kSqlAllTouchAndHide,
                       kSqlAllTouchVsSwitch, kSqlChangedDuplicateVarNames, kSqlAllSmallTrendGraphs};
  const char* const* texts = everything ? all : changed;
  for (size_t i = 0; i < std::size(walks); ++i) {
    Keeping keeping(*this, walks[i].first);
    (this->*walks[i].second)(*GetRecordset(texts[i], {}));
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

void DesignChecks::prvReportKeptTabIndexes(int32_t displayId,
                                           const std::map<int32_t, std::vector<KeptFinding>>& kept) {
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
