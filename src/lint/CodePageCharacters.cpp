// BRK104: (to be written).
#include "lint/LintRules.h"

namespace brisklet {

void CheckCodePageCharacters(const LintContext&, LintFindings&) {}

}  // namespace brisklet
