// The design-rule checks: fonts and tab indexes as the pipeline goes, then the project-wide
// checks of sizes, operands, names and trends. Each finding is a reported message.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/Constants.h"
#include "checks/Findings.h"
#include "checks/KeptFindings.h"
#include "displays/DisplayCompiler.h"

namespace brisklet {

class DesignChecks : public DisplayCompiler {
 protected:
  explicit DesignChecks(HostFactory& host) : DisplayCompiler(host) {}

  // Checks the pipeline runs on the way.
  void prvCheckFonts();
  // The text of the missing-font warning, fetched once a run (mFontWarningText is reset by
  // the run's end).
  const std::string& prvFontWarningText();
  std::optional<std::string> mFontWarningText;
  // Items whose download GUID another element or display has too: one error per GUID naming
  // them all. Their units would overwrite each other, so none of them is compiled.
  struct GuidClashes {
    std::set<int32_t> elements, displays;  // IDs
  };
  GuidClashes prvCheckGuidClashes();
  void prvCheckDuplicateTabIndexes(int32_t displayId);

  // Project checks, in the order the pipeline runs them.
  void prvCheck3DSize();
  void prvCheckDuplicateTouch();
  void prvCheckTouchAndHide();
  void prvCheckTouchVsSwitch();
  void prvCheckDuplicateVarNames();
  void prvCheckTrendGraphSize();
  void prvCheckTrendsTree();
  std::string prvGetElementLocation(Recordset& row) override;

  // The incremental compile. The checks walk again the rows of the displays and names that
  // changed (CompileChangedDisplays, CompileChangedNames) and keep what they find in place of
  // what was kept for those; the findings are then reported, in the order the checks' own
  // texts would give them, where the pipeline runs each check.
  // everything: every display and name counts as changed (nothing kept can be trusted).
  void prvRecomputeChangedFindings(bool everything);
  void prvReportKept(CheckId check);
  GuidClashes prvReportKeptGuidClashes();
  // The kept duplicate tab index findings of the displays, read once a run.
  std::map<int32_t, std::vector<KeptFinding>> prvKeptTabIndexFindings();
  void prvReportKeptTabIndexes(int32_t displayId, const std::map<int32_t, std::vector<KeptFinding>>& kept);

  // Reports each finding of an aggregating check as an error, in the order made.
  void prvReportFindings(const std::vector<Finding>& findings,
                         const std::function<std::string(const Finding&)>& message);

 private:
  // The walks of the checks over rows of their own texts or of what changed.
  void prvWalkFonts(Recordset& rs);
  GuidClashes prvWalkGuidClashes(Recordset& rs);
  void prvWalk3DSize(Recordset& rs);
  void prvWalkDuplicateTouch(Recordset& rs);
  void prvWalkTouchAndHide(Recordset& rs);
  void prvWalkTouchVsSwitch(Recordset& rs);
  void prvWalkDuplicateVarNames(Recordset& rs);
  void prvWalkTrendGraphSize(Recordset& rs);
  void prvRecomputeTabIndexes();
  // Where a walk sends a finding: reported at once, or kept under the check being recomputed.
  void prvFound(const Value& part, const Value& sortKey, KeptFinding finding);
  void prvFoundMessage(const Recordset& row, int32_t severity, int32_t moduleId, const std::string& location,
                       const std::string& message, int32_t displayId);
  void prvFoundNotice(const Recordset& row, const std::string& text);
  // The check whose findings are being kept (none: findings are reported).
  std::optional<CheckId> mKeeping;
  struct Keeping;
};

}  // namespace brisklet
