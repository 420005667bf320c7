// Our own checks as a compile runs them: each rule's findings kept in the project
// (CompileLintFindings, before the configuration is applied), and only the displays that edits
// touched since the last run looked at again. It reports what RunLint reports, in its order.
#pragma once
#include "lint/LintRun.h"

namespace brisklet {

// RunLint, keeping what the checks find. A project without the tables, with its edit log
// damaged, or that cannot be written gets a RunLint that keeps nothing. Writes in the caller's
// transaction, or in one of its own.
LintReport RunKeptLint(const LintContext& context, const LintConfig& config);

}  // namespace brisklet
