// The design-rule checks of checks/CheckTable.cpp: how the pipeline runs each (its own text
// over the whole project, or its findings kept from earlier compiles after walking again what
// changed), and their walks. Each finding is a reported message with its rule.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/Constants.h"
#include "checks/CheckTable.h"
#include "checks/Findings.h"
#include "checks/KeptFindings.h"
#include "displays/DisplayCompiler.h"

namespace brisklet {

class ElementIdentities;

class DesignChecks : public DisplayCompiler {
 protected:
  explicit DesignChecks(HostFactory& host);
  ~DesignChecks() override;

  // The text of the missing-font warning, fetched once a run (mFontWarningText is reset by
  // the run's end).
  const std::string& prvFontWarningText();
  std::optional<std::string> mFontWarningText;
  // Items whose download GUID another element or display has too: one error per GUID naming
  // them all. Their units would overwrite each other, so none of them is compiled. Filled by
  // the shared GUID check, run or reported.
  struct GuidClashes {
    std::set<int32_t> elements, displays;  // IDs
  };
  GuidClashes mGuidClashes;
  void prvCheckDuplicateTabIndexes(int32_t displayId);

  // Runs a check over the whole project by its own text (the reference run).
  void prvRunCheck(const CheckRow& check);
  std::string prvGetElementLocation(Recordset& row) override;
  // The location texts of a run by display (unset outside a run): nothing a run changes alters
  // them, and each query reads every element of the display and every display of its module.
  std::optional<std::map<int32_t, std::string>> mElementLocations;

  // The incremental compile. The checks walk again the rows of the displays and names that
  // changed (CompileChangedDisplays, CompileChangedNames) and keep what they find in place of
  // what was kept for those; the findings are then reported, in the order the checks' own
  // texts would give them, where the pipeline runs each check.
  // everything: every display and name counts as changed (nothing kept can be trusted).
  void prvRecomputeChangedFindings(bool everything);
  // Reports a check's kept findings (a check that keeps nothing runs by its own text).
  void prvReportKept(const CheckRow& check);
  // The kept duplicate tab index findings of the displays, read once a run.
  std::map<int32_t, std::vector<KeptFinding>> prvKeptTabIndexFindings();
  void prvReportKeptTabIndexes(int32_t displayId, const std::map<int32_t, std::vector<KeptFinding>>& kept);

 private:
  friend std::span<const CheckRow> CheckTable();

  // The walks of the checks over rows of their own texts or of what changed.
  void prvWalkFonts(Recordset& rs);
  void prvWalkGuidClashes(Recordset& rs);
  void prvWalk3DSize(Recordset& rs);
  void prvWalkDuplicateTouch(Recordset& rs);
  void prvWalkTouchAndHide(Recordset& rs);
  void prvWalkTouchVsSwitch(Recordset& rs);
  void prvWalkDuplicateVarNames(Recordset& rs);
  void prvWalkTrendGraphSize(Recordset& rs);
  void prvWalkTrendsTree(Recordset& rs);
  void prvRecomputeTabIndexes();
  // Reports each finding of an aggregating check as an error, in the order made.
  void prvReportFindings(CheckId check, const std::vector<Finding>& findings,
                         const std::function<std::string(const Finding&)>& message);
  // Where a walk sends a finding: reported at once, or kept under its check while the check
  // is recomputed.
  void prvFound(CheckId check, const Value& part, const Value& sortKey, KeptFinding finding);
  void prvFoundMessage(CheckId check, const Recordset& row, int32_t severity, const std::string& message,
                       MessageElement element);
  void prvFoundNotice(CheckId check, const Recordset& row, const std::string& text);
  // The element a row of an element check is about: from the row's keys, or (walking a
  // check's own text, which has none) from the keyed rows read beside it.
  MessageElement prvElementOf(const Recordset& row, std::string name);
  bool mKeeping = false;
  std::unique_ptr<ElementIdentities> mIdentities;
};

}  // namespace brisklet
