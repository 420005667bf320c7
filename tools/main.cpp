// brisklet: the command-line face of the HMI download compiler.
#include <csignal>
#include <iostream>

#include "CommandLine.h"
#include "CommandSupport.h"
#include "Commands.h"

// An exception while the commands are set up is a fault of the tool, and ends it.
// NOLINTNEXTLINE(bugprone-exception-escape)
int main(int argc, char** argv) {
  // A reader that goes away (| head) makes writes fail instead of killing the tool, which then
  // ends quietly; a compile in progress is never broken off by it.
  std::signal(SIGPIPE, SIG_IGN);
  CLI::App app{"brisklet - compiles operator-panel designs into download records", "brisklet"};
  app.require_subcommand(1);
  int exitCode = 0;
  brisklet::cli::AddInitCommand(app, exitCode);
  brisklet::cli::AddCompileCommands(app, exitCode);
  brisklet::cli::AddCheckCommand(app, exitCode);
  brisklet::cli::AddStatusCommand(app, exitCode);
  brisklet::cli::AddFontCommand(app, exitCode);
  brisklet::cli::AddGenerateCommand(app, exitCode);
  brisklet::cli::AddDumpCommand(app, exitCode);
  brisklet::cli::AddDiffCommand(app, exitCode);
  brisklet::cli::AddPreviewCommand(app, exitCode);
  brisklet::cli::AddTextProjectCommands(app, exitCode);
  brisklet::cli::AddMergeCommand(app, exitCode);
  brisklet::cli::AddManualCommands(app);
  if (auto answered = brisklet::cli::PreParse(app, argc, argv)) return *answered;
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    int rc = app.exit(e);
    return rc == 0 ? 0 : 2;
  } catch (const std::exception& e) {
    std::cerr << "brisklet: " << e.what() << '\n';
    return 2;
  }
  if (exitCode != 2 && !brisklet::cli::FlushOutput()) return 2;  // a reader that went away is no failure
  return exitCode;
}
