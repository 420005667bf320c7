// Our own checks for a command: the configuration it reads (brisklet.toml beside the project, or
// --config FILE) and the checks' findings added to its diagnostics.
#pragma once
#include <CLI/CLI.hpp>
#include <string>

#include "Diagnostics.h"
#include "database/Connection.h"
#include "host/HostFactory.h"
#include "lint/LintConfig.h"

namespace brisklet::cli {

inline constexpr const char* kConfigFile = "brisklet.toml";

// The configuration file of a command: --config FILE, else brisklet.toml in a text project's
// folder or beside a database file ("" when there is none).
std::string ConfigPathOf(const std::string& project, const std::string& config);
// The configuration of a command (the defaults without a file). Each mistake of the file is
// written to stderr as "FILE:line:column: error: ..."; then a RuntimeError.
LintConfig LintConfigOf(const std::string& project, const std::string& config);
// Runs the checks over the project and adds their findings, and a notice for each check that
// could not run, to the log. With `keep` (a compile) the project keeps what they find, and they
// look again only at what edits touched since (lint/KeptLint.h).
void AddLintFindings(DiagnosticsLog& log, Connection& db, HostFactory& host, const LintConfig& config,
                     bool keep = false);
// Adds --config FILE to a command.
void AddConfigOption(CLI::App* cmd, std::string& config);

}  // namespace brisklet::cli
