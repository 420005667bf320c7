// brisklet: the command-line face of the HMI download compiler.
#include <iostream>

#include "Commands.h"

int main(int argc, char** argv) {
  CLI::App app{"brisklet - compiles operator-panel designs into download records"};
  app.require_subcommand(1);
  int exitCode = 0;
  brisklet::cli::AddInitCommand(app, exitCode);
  brisklet::cli::AddCompileCommands(app, exitCode);
  brisklet::cli::AddFontCommand(app, exitCode);
  brisklet::cli::AddGenerateCommand(app, exitCode);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    int rc = app.exit(e);
    return rc == 0 ? 0 : 2;
  }
  return exitCode;
}
