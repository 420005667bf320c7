// What the commands that open a project share: their options, the opening of the project with
// a host and a compiler, and the run that turns their outcome into output and an exit code.
#pragma once
#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>

#include "Diagnostics.h"
#include "LintSupport.h"
#include "base/RuntimeError.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "textproject/TextForm.h"

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
  bool reference = false;    // compile: run the checks by reference
  bool rebuild = false;      // compile: every item, as if nothing were stored
  bool asMarked = false;     // compile: only CompileHMI over what DownloadDLUs marks
  bool ownExitCode = false;  // the work's outcome alone decides exit code 1 (preview of one display)
  bool readInPlace = false;  // inspection of the stored units alone: see RunWithCompiler
  bool lint = false;         // our own checks run after the work (also when it fails)
  bool keepLint = false;     // compile: the project keeps what our own checks find (not when the work fails)
  std::string config;        // --config FILE of our own checks
};

// Whether our own checks found errors (or warnings, with --werror).
inline bool LintFailed(const Options& o, const DiagnosticsLog& log) {
  return log.CountLint("error") > 0 || (o.werror && log.CountLint("warning") > 0);
}

// Where the diagnostics go: stderr, stdout ("-", or a path that is stdout, as /dev/stdout) or a
// file of their own, opened before the work so that one that cannot be written stops the command
// before anything is compiled.
struct DiagnosticsOut {
  std::shared_ptr<std::FILE> file;  // a file of their own; null for stderr and stdout
  bool toStdout = false;
};
// A RuntimeError "Cannot write the diagnostics ('x'): No such file or directory" when the file
// cannot be opened.
DiagnosticsOut OpenDiagnostics(const Options& o);
// Writes them; false, after saying why, when they could not be written. A reader that went
// away is no failure.
bool WriteDiagnostics(const Options& o, const DiagnosticsOut& to, const DiagnosticsLog& log);
// Flushes stdout; false, after saying why on stderr, when it could not be written. A reader
// that went away (| head) is no failure: the command ends quietly, as cat does.
bool FlushOutput();
// For work that writes as it goes: whether its output can no longer be written (the reader went
// away, a full disk), so that the work stops there; FlushOutput then says why, or nothing.
bool OutputStopped(const std::ostream& out);

// A RuntimeError "no element 9999" / "no display 9999" when the project has no such item.
void RequireElement(Connection& conn, int id);
void RequireDisplay(Connection& conn, int id);

// Runs a command's work and gives its exit code; a failure is said on stderr ("brisklet: ...")
// and is exit code 2.
template <typename Work>
int ExitCodeOf(Work work) {
  try {
    return work();
  } catch (const RuntimeError& e) {
    std::cerr << "brisklet: " << e.Describe() << '\n';
  } catch (const std::exception& e) {
    std::cerr << "brisklet: " << e.what() << '\n';
  }
  return 2;
}

// The database of a project given on the command line: the path itself, or for a text project
// folder its store, brought up to date from the files first. A RuntimeError when the files hold
// mistakes (each already written to stderr with its file and line).
std::string ProjectDatabase(const std::string& path);
// Writes each problem of a text project to stderr as "DIR/file:line:col: error: ..."; false when
// there were any.
bool ReportTextProblems(const std::string& folder, const std::vector<TextProblem>& problems);

// A project opened for a command (a private copy, in SQLite's temporary file, when the command
// only inspects it, or with o.readInPlace the file itself in one read transaction), with its host and a
// compiler whose messages and notices go to `log`.
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
// outcome into the exit code: 1 when the compiler or our own checks (o.lint) found errors or the
// work returns 1, 2 for a run-time failure (whose half-made output is not shown). Nothing is
// written before the work is over, so a reader that stops early cannot break off a compile.
// Structured diagnostics sent to stdout have it to themselves: the output goes to stderr then.
// With o.readInPlace (work that only reads stored units and keeps nothing of what it wrote) the
// output goes to stdout as the work makes it, so that its memory does not grow with the
// project: a failure then leaves what was written before it, and is said after it on stderr
// with exit code 2 as always; the work stops when OutputStopped. Diagnostics sent to stdout keep
// the output held back until they are written, as without it.
template <typename Work>
int RunWithCompiler(const Options& o, bool inspectOnly, Work work) {
  if (o.diagnosticsFile != "-" && !OutputIsNotTheProject(o.diagnosticsFile, o.db)) return 2;
  DiagnosticsOut diagnostics;
  try {
    diagnostics = OpenDiagnostics(o);
  } catch (const RuntimeError& e) {
    std::cerr << "brisklet: " << e.Describe() << '\n';
    return 2;
  }
  auto log = std::make_shared<DiagnosticsLog>();
  std::ostringstream held;
  bool streamed = o.readInPlace && !diagnostics.toStdout;
  std::ostream& output = streamed ? static_cast<std::ostream&>(std::cout) : held;
  int exitCode = 2;
  try {
    OpenProject project(o.db, o, inspectOnly, log);
    std::optional<LintConfig> lint;
    if (o.lint) lint = LintConfigOf(o.db, o.config);
    int outcome = 0;
    using Result = std::invoke_result_t<Work, clsDownload&, DefaultHost&, Connection&, std::ostream&>;
    try {
      if constexpr (std::is_same_v<Result, int>) {
        outcome = work(*project.compiler, *project.host, *project.conn, output);
      } else {
        work(*project.compiler, *project.host, *project.conn, output);
      }
    } catch (const std::exception&) {
      // What our own checks find still helps most when the work failed (a text the code page
      // cannot hold ends a compile at the first one).
      if (lint) AddLintFindings(*log, *project.conn, *project.host, *lint);
      throw;
    }
    if (lint) AddLintFindings(*log, *project.conn, *project.host, *lint, o.keepLint);
    bool errors = !o.ownExitCode && (project.compiler->ErrorCount() > 0 ||
                                     (o.werror && project.compiler->WarningCount() > 0) || LintFailed(o, *log));
    exitCode = errors ? 1 : outcome;
  } catch (const RuntimeError& e) {
    log->Failure(e.Describe());
  } catch (const std::exception& e) {
    log->Failure(e.what());
  }
  bool failed = exitCode == 2;
  if (streamed && !FlushOutput()) exitCode = 2;
  if (!WriteDiagnostics(o, diagnostics, *log)) exitCode = 2;
  if (streamed) return exitCode;
  errno = 0;
  if (!failed) (diagnostics.toStdout && o.diagnostics != "text" ? std::cerr : std::cout) << held.str();
  if (!FlushOutput()) exitCode = 2;
  return exitCode;
}

// A command on one project file, with the project's lock timeout.
CLI::App* AddDbCommand(CLI::App& app, const char* name, const char* help, Options& o);
void AddDiagnosticsOption(CLI::App* cmd, Options& o);

}  // namespace brisklet::cli
