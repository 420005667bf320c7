// Our own checks run over a project: those of the rules the configuration leaves on, in the
// order of the rules, their findings as configured. They read the project and change nothing.
#pragma once
#include <string>
#include <vector>

#include "lint/LintConfig.h"
#include "lint/LintContext.h"

namespace brisklet {

struct LintReport {
  LintFindings findings;
  // A check that could not run ("BRK101 OffScreen could not run: ..."); the others still do.
  std::vector<std::string> notices;
};

LintReport RunLint(const LintContext& context, const LintConfig& config);

}  // namespace brisklet
