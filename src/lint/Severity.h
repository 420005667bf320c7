// How much one of our own rules counts: off (not run), a note, a warning or an error.
#pragma once
#include <optional>
#include <string_view>

namespace brisklet {

enum class LintSeverity { Off, Note, Warning, Error };

// "off", "note", "warning", "error".
const char* SeverityName(LintSeverity severity);
// The severity of that name, nothing for any other text.
std::optional<LintSeverity> SeverityNamed(std::string_view name);

}  // namespace brisklet
