// The subcommands of the brisklet tool. Each adds itself to the app and sets the exit code
// when it runs: 0 clean, 1 errors counted, 2 run-time failure or bad input.
#pragma once
#include <CLI/CLI.hpp>

namespace brisklet::cli {

void AddInitCommand(CLI::App& app, int& exitCode);
void AddCompileCommands(CLI::App& app, int& exitCode);
void AddCheckCommand(CLI::App& app, int& exitCode);
void AddFontCommand(CLI::App& app, int& exitCode);
void AddGenerateCommand(CLI::App& app, int& exitCode);
void AddDumpCommand(CLI::App& app, int& exitCode);
void AddDiffCommand(CLI::App& app, int& exitCode);
void AddPreviewCommand(CLI::App& app, int& exitCode);
void AddStatusCommand(CLI::App& app, int& exitCode);
void AddTextProjectCommands(CLI::App& app, int& exitCode);
void AddMergeCommand(CLI::App& app, int& exitCode);
// --version, and the hidden commands that print the manual page and the bash completion.
void AddManualCommands(CLI::App& app);
std::string VersionText();
std::string ManualPage(const CLI::App& app);
std::string BashCompletion(const CLI::App& app);

}  // namespace brisklet::cli
