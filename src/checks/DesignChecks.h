// The design-rule checks: fonts and tab indexes as the pipeline goes, then the project-wide
// checks of sizes, operands, names and trends. Each finding is a reported message.
#pragma once
#include <cstdint>
#include <string>

#include "base/Constants.h"
#include "displays/DisplayCompiler.h"

namespace brisklet {

class DesignChecks : public DisplayCompiler {
 protected:
  explicit DesignChecks(HostFactory& host) : DisplayCompiler(host) {}

  // Checks the pipeline runs on the way.
  void prvCheckFonts();
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
};

}  // namespace brisklet
