// BRK103: (to be written).
#include "lint/LintRules.h"

namespace brisklet {

void CheckTextTableEntries(const LintContext&, LintFindings&) {}

}  // namespace brisklet
