// The command line as read before the parser sees it: `brisklet help [COMMAND]`, and an unknown
// command or option answered with the nearest known one ("did you mean 'compile'?").
#pragma once
#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

namespace brisklet::cli {

// The known word nearest to `word` (a typo: letters swapped, left out, added or changed), or
// "" when none is near enough to be meant.
std::string Nearest(const std::string& word, const std::vector<std::string>& known);

// The exit code when the command line was answered here (help printed, or an unknown command or
// option reported on stderr); nothing when the parser is to go on.
std::optional<int> PreParse(const CLI::App& app, int argc, const char* const* argv);

}  // namespace brisklet::cli
