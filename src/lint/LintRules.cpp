// The rows of lint/LintRules.def, and the names of severities.
#include "lint/LintRules.h"

#include <algorithm>

namespace brisklet {

void CheckNothing(const LintContext&, LintFindings&) {}

std::span<const LintRule> LintRules() {
#define LINT_RULE(number, name, severity, check, summary, description, help) \
  {{number, #name, summary, description, help}, LintSeverity::severity, &check},
  static const LintRule kRules[] = {
#include "lint/LintRules.def"
  };
#undef LINT_RULE
  return kRules;
}

const LintRule* LintRuleOf(int32_t number) {
  auto rules = LintRules();
  auto found = std::ranges::find(rules, number, [](const LintRule& r) { return r.text.number; });
  return found == rules.end() ? nullptr : &*found;
}

const LintRule* LintRuleNamed(std::string_view idOrName) {
  for (const LintRule& rule : LintRules()) {
    if (idOrName == rule.text.name || idOrName == RuleId(rule.text.number)) return &rule;
  }
  return nullptr;
}

const char* SeverityName(LintSeverity severity) {
  switch (severity) {
    case LintSeverity::Off: return "off";
    case LintSeverity::Note: return "note";
    case LintSeverity::Warning: return "warning";
    case LintSeverity::Error: return "error";
  }
  return "off";
}

std::optional<LintSeverity> SeverityNamed(std::string_view name) {
  for (LintSeverity s : {LintSeverity::Off, LintSeverity::Note, LintSeverity::Warning, LintSeverity::Error}) {
    if (name == SeverityName(s)) return s;
  }
  return std::nullopt;
}

}  // namespace brisklet
