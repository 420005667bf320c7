// Each check in turn; one that fails leaves a notice and the next one runs.
#include "lint/LintRun.h"

#include "base/RuntimeError.h"
#include "lint/LintRules.h"

namespace brisklet {

LintReport RunLint(const LintContext& context, const LintConfig& config) {
  LintReport report;
  LintFindings found;
  for (const LintRule& rule : LintRules()) {
    if (config.SeverityOf(rule.text.number) == LintSeverity::Off) continue;
    size_t before = found.size();
    try {
      rule.check(context, found);
    } catch (const RuntimeError& e) {
      found.resize(before);
      report.notices.push_back(RuleId(rule.text.number) + " " + rule.text.name + " could not run: " + e.Describe());
    }
  }
  report.findings = Configured(std::move(found), config);
  return report;
}

}  // namespace brisklet
