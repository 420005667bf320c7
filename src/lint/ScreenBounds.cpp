// BRK101: (to be written).
#include "lint/LintRules.h"

namespace brisklet {

void CheckScreenBounds(const LintContext&, LintFindings&) {}

}  // namespace brisklet
