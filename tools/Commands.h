// The subcommands of the brisklet tool. Each adds itself to the app and sets the exit code
// when it runs: 0 clean, 1 errors counted, 2 run-time failure or bad input.
#pragma once
#include <CLI/CLI.hpp>

namespace brisklet::cli {

void AddInitCommand(CLI::App& app, int& exitCode);
void AddCompileCommands(CLI::App& app, int& exitCode);
void AddFontCommand(CLI::App& app, int& exitCode);
void AddGenerateCommand(CLI::App& app, int& exitCode);

}  // namespace brisklet::cli
