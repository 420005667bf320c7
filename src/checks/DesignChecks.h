// The design-rule checks: fonts and tab indexes as the pipeline goes, then the project-wide
// checks of sizes, operands, names and trends. Each finding is a reported message.
#pragma once
#include <cstdint>
#include <set>
#include <functional>
#include <string>
#include <vector>

#include "base/Constants.h"
#include "checks/Findings.h"
#include "displays/DisplayCompiler.h"

namespace brisklet {

class DesignChecks : public DisplayCompiler {
 protected:
  explicit DesignChecks(HostFactory& host) : DisplayCompiler(host) {}

  // Checks the pipeline runs on the way.
  void prvCheckFonts();
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

  // Reports each finding of an aggregating check as an error, in the order made.
  void prvReportFindings(const std::vector<Finding>& findings,
                         const std::function<std::string(const Finding&)>& message);
};

}  // namespace brisklet
