// Our own design rules (lint/LintRules.def) and the checks that find them.
#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "host/MessageRules.h"
#include "lint/LintContext.h"
#include "lint/LintFinding.h"

namespace brisklet {

// A check adds what it finds to `found`, each finding with its rule and the item it is about.
using LintCheck = void (*)(const LintContext& context, LintFindings& found);

#define LINT_RULE(number, name, severity, check, ...) void check(const LintContext&, LintFindings&);
#include "lint/LintRules.def"
#undef LINT_RULE

struct LintRule {
  RuleText text;
  LintSeverity defaultSeverity;
  LintCheck check;
};

inline constexpr int32_t kUnusedSuppression = 100;

// The rules, in the order their checks run.
std::span<const LintRule> LintRules();
// The rule of a number, or of an id ("BRK101") or name ("OffScreen"); null when there is none.
const LintRule* LintRuleOf(int32_t number);
const LintRule* LintRuleNamed(std::string_view idOrName);

}  // namespace brisklet
