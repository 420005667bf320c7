// BRK106: (to be written).
#include "lint/LintRules.h"

namespace brisklet {

void CheckTouchOverlaps(const LintContext&, LintFindings&) {}

}  // namespace brisklet
