// What the commands that open a project share: their options, the opening of the project with
// a host and a compiler, and the run that turns their outcome into output and an exit code.
#pragma once
#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>

#include "Diagnostics.h"
#include "base/RuntimeError.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"

namespace brisklet::cli {

struct Options {
  std::string db;
  std::string diagnostics = "text";
  std::string diagnosticsFile;  // "" for standard error
  std::string color = "auto";   // of text diagnostics: auto (on a terminal), always or never
  bool quiet = false;           // only errors, failures and the summary
  bool werror = false;          // warnings count as errors for the exit code
  int busyTimeout = 5;
  int id = 0;
  bool json = false;
  bool reference = false;  // compile: run the checks by reference
  bool rebuild = false;    // compile: every item, as if nothing were stored
  bool asMarked = false;   // compile: only CompileHMI over what DownloadDLUs marks
};

// Writes the diagnostics where they go, and their summary to stderr; false when they could not
// be written.
bool WriteDiagnostics(const Options& o, const DiagnosticsLog& log);

// A project opened for a command (a private copy in memory when the command only inspects
// it), with its host and a compiler whose messages and notices go to `log`.
struct OpenProject {
  OpenProject(const std::string& path, const Options& o, bool inspectOnly, const std::shared_ptr<DiagnosticsLog>& log);
  std::unique_ptr<Connection> conn;
  std::unique_ptr<DefaultHost> host;
  std::unique_ptr<clsDownload> compiler;
};

// False, after saying why on stderr, when `output` would overwrite the project or a file SQLite
// keeps beside it.
bool OutputIsNotTheProject(const std::string& output, const std::string& project);

// Opens the project, runs the work, then writes the diagnostics and the output, and turns the
// outcome into the exit code: 1 when the compiler counted errors or the work returns 1, 2 for a
// run-time failure (whose half-made output is not shown). Nothing is written before the work
// is over, so a reader that stops early cannot break off a compile.
template <typename Work>
int RunWithCompiler(const Options& o, bool inspectOnly, Work work) {
  if (!OutputIsNotTheProject(o.diagnosticsFile, o.db)) return 2;
  auto log = std::make_shared<DiagnosticsLog>();
  std::ostringstream output;
  int exitCode = 2;
  try {
    OpenProject project(o.db, o, inspectOnly, log);
    int outcome = 0;
    using Result = std::invoke_result_t<Work, clsDownload&, DefaultHost&, Connection&, std::ostream&>;
    if constexpr (std::is_same_v<Result, int>) {
      outcome = work(*project.compiler, *project.host, *project.conn, output);
    } else {
      work(*project.compiler, *project.host, *project.conn, output);
    }
    bool errors = project.compiler->ErrorCount() > 0 || (o.werror && project.compiler->WarningCount() > 0);
    exitCode = errors ? 1 : outcome;
  } catch (const RuntimeError& e) {
    log->Failure(e.Describe());
  } catch (const std::exception& e) {
    log->Failure(e.what());
  }
  bool failed = exitCode == 2;
  if (!WriteDiagnostics(o, *log)) exitCode = 2;
  if (!failed) std::cout << output.str();
  if (!std::cout.flush()) {
    std::cerr << "brisklet: cannot write the output: " << std::strerror(errno) << std::endl;
    exitCode = 2;
  }
  return exitCode;
}

// A command on one project file, with the project's lock timeout.
CLI::App* AddDbCommand(CLI::App& app, const char* name, const char* help, Options& o);
void AddDiagnosticsOption(CLI::App* cmd, Options& o);

}  // namespace brisklet::cli
