// The kinds of message the compiler reports, each with a stable rule id ("BRK001" ...) for
// tools that track findings across runs, and the element or display each message names.
#pragma once
#include <span>
#include <string>

namespace brisklet::cli {

struct DiagnosticRule {
  const char* id;
  const char* name;
  const char* description;
  const char* pattern;  // the message's text; group 1, when present, names an element
};

std::span<const DiagnosticRule> DiagnosticRules();

struct Classified {
  const DiagnosticRule* rule;  // the "other" rule when no pattern matches
  std::string element;         // "" when the message names none
};
Classified Classify(const std::string& message);

}  // namespace brisklet::cli
