// The configuration of our own rules, as brisklet.toml beside the project (or --config FILE)
// gives it: each rule's severity, and suppressions of a rule for an element or display by ID or
// name, each with its reason. docs/diagnostics.md shows the file.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lint/LintFinding.h"

namespace brisklet {

struct Suppression {
  int32_t rule = 0;
  // What it names: an element by ID or name (a name may be narrowed to a display), or a display
  // by ID or name (the display's own findings and those of its elements).
  std::optional<int32_t> elementId, displayId;
  std::optional<std::string> elementName, displayName;
  std::string reason;
  int line = 0, column = 0;  // where the file gives it
  bool Matches(const LintFinding& finding) const;
  // "element 17", "element 'Start' of display 'Home'", "display 'Home'".
  std::string Target() const;
};

struct LintConfig {
  std::string file;  // the file read, "" for the defaults
  std::map<int32_t, LintSeverity> severities;
  std::vector<Suppression> suppressions;
  LintSeverity SeverityOf(int32_t rule) const;
};

// A mistake in the file, with its place (line 0: the file as a whole).
struct ConfigProblem {
  int line = 0, column = 0;
  std::string text;
};

// The configuration of a file; what it cannot take is added to `problems` (all of them, in the
// order of the file) and left out.
LintConfig ReadLintConfig(const std::string& path, std::vector<ConfigProblem>& problems);
// The same of a text, named `file` in what it says.
LintConfig ParseLintConfig(const std::string& text, const std::string& file, std::vector<ConfigProblem>& problems);

// The findings as configured: each with its rule's severity, those of rules turned off and those
// suppressed left out, and one BRK100 finding for each suppression that matched none (of a rule
// that ran).
LintFindings Configured(LintFindings found, const LintConfig& config);

}  // namespace brisklet
