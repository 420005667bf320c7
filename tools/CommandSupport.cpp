// Options, projects and diagnostics of the commands that open a project.
#include "CommandSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "OutputPaths.h"
#include "textproject/ProjectFolder.h"

namespace brisklet::cli {
namespace {

DiagnosticsStyle StyleOf(const Options& o) {
  DiagnosticsStyle style{DiagnosticsFormat::Text, o.db, false, o.quiet};
  if (o.diagnostics == "json") style.format = DiagnosticsFormat::Json;
  if (o.diagnostics == "sarif") style.format = DiagnosticsFormat::Sarif;
  const char* noColor = std::getenv("NO_COLOR");
  bool terminal = o.diagnosticsFile.empty() && isatty(STDERR_FILENO) && !(noColor && *noColor);
  style.color = style.format == DiagnosticsFormat::Text && (o.color == "always" || (o.color == "auto" && terminal));
  return style;
}

// Why output written as it went stopped (errno), 0 while it goes on.
int gOutputStoppedBy = 0;

}  // namespace

bool OutputIsNotTheProject(const std::string& output, const std::string& project) {
  try {
    RefuseProjectOutput(output, project);
    return true;
  } catch (const RuntimeError& e) {
    std::cerr << "brisklet: " << e.Describe() << '\n';
    return false;
  }
}

DiagnosticsOut OpenDiagnostics(const Options& o) {
  DiagnosticsOut to;
  if (o.diagnosticsFile.empty()) return to;
  to.toStdout = o.diagnosticsFile == "-";
  if (to.toStdout) return to;
  std::FILE* file = std::fopen(o.diagnosticsFile.c_str(), "w");
  if (file == nullptr) {
    throw RuntimeError("Cannot write the diagnostics ('" + o.diagnosticsFile + "'): " + std::strerror(errno));
  }
  struct stat opened {
  }, out{};
  to.toStdout = fstat(fileno(file), &opened) == 0 && fstat(STDOUT_FILENO, &out) == 0 && opened.st_dev == out.st_dev &&
                opened.st_ino == out.st_ino;
  if (to.toStdout) {
    std::fclose(file);
  } else {
    to.file.reset(file, std::fclose);
  }
  return to;
}

bool WriteDiagnostics(const Options& o, const DiagnosticsOut& to, const DiagnosticsLog& log) {
  DiagnosticsStyle style = StyleOf(o);
  // The summary follows text, or structured output that does not go to stderr itself; a
  // failure's line says it all.
  bool toStderr = !to.file && !to.toStdout;
  bool summary = (style.format == DiagnosticsFormat::Text || !toStderr) && log.Count("failure") == 0;
  bool written = true;
  if (!to.file) {
    errno = 0;
    std::ostream& out = to.toStdout ? std::cout : std::cerr;
    log.WriteTo(out, style);
    written = to.toStdout ? FlushOutput() : (static_cast<bool>(out.flush()) || errno == EPIPE);
  } else {
    std::ostringstream text;
    log.WriteTo(text, style);
    std::string bytes = text.str();
    if (std::fwrite(bytes.data(), 1, bytes.size(), to.file.get()) != bytes.size() || std::fflush(to.file.get()) != 0) {
      std::cerr << "brisklet: Cannot write the diagnostics ('" << o.diagnosticsFile << "'): " << std::strerror(errno)
                << std::endl;
      written = false;
    }
  }
  if (summary && !log.Summary().empty()) std::cerr << log.Summary() << '\n';
  return written;
}

bool OutputStopped(const std::ostream& out) {
  if (out) return false;
  if (gOutputStoppedBy == 0) gOutputStoppedBy = errno != 0 ? errno : EIO;
  return true;
}

bool FlushOutput() {
  static bool readerGone = false;
  int before = gOutputStoppedBy != 0 ? gOutputStoppedBy : errno;
  errno = 0;
  if (std::cout.flush()) return true;
  int reason = errno != 0 ? errno : before;
  if (readerGone || reason == EPIPE) {
    readerGone = true;
    return true;
  }
  std::cerr << "brisklet: cannot write the output: " << std::strerror(reason) << std::endl;
  return false;
}

void RequireElement(Connection& conn, int id) {
  if (!conn.QueryValue("SELECT 1 FROM HMI_Elements WHERE ID = ?", {Value(id)})) {
    throw RuntimeError("no element " + std::to_string(id));
  }
}

void RequireDisplay(Connection& conn, int id) {
  if (!conn.QueryValue("SELECT 1 FROM Pages WHERE Id = ?", {Value(id)})) {
    throw RuntimeError("no display " + std::to_string(id));
  }
}

bool ReportTextProblems(const std::string& folder, const std::vector<TextProblem>& problems) {
  for (const TextProblem& problem : problems) {
    std::cerr << (std::filesystem::path(folder) / problem.Describe()).string() << '\n';
  }
  if (!problems.empty())
    std::cerr << problems.size() << (problems.size() == 1 ? " error" : " errors") << ", nothing imported\n";
  return problems.empty();
}

std::string ProjectDatabase(const std::string& path) {
  if (!IsTextProjectFolder(path)) return path;
  SyncResult sync = SyncTextProject(path);
  if (!ReportTextProblems(path, sync.problems)) {
    throw RuntimeError("Invalid text project", "'" + path + "' holds mistakes");
  }
  return sync.database;
}

OpenProject::OpenProject(const std::string& path, const Options& o, bool inspectOnly,
                         const std::shared_ptr<DiagnosticsLog>& log) {
  OpenOptions open;
  open.snapshot = inspectOnly && !o.readInPlace;
  open.readTransaction = inspectOnly && o.readInPlace;
  open.busyTimeoutSeconds = o.busyTimeout;
  open.waiting = [](const std::string& text) { std::cerr << "brisklet: " << text << std::endl; };
  conn = Connection::Open(ProjectDatabase(path), open);
  DefaultHostOptions hostOptions;
  hostOptions.notice = [log](const std::string& text) { log->Notice(text); };
  host = std::make_unique<DefaultHost>(*conn, hostOptions);
  log->SetDisplayGuids([c = conn.get()](int id) {
    try {
      auto guid = c->QueryValue("SELECT GUID FROM Pages WHERE Id = ?", {Value(id)});
      return guid && !guid->IsNull() ? guid->ToLong() : 0;
    } catch (const RuntimeError&) {
      return 0;  // a GUID that is no 32-bit integer: the finding goes without it
    }
  });
  if (IsTextProjectFolder(path)) {
    log->SetTextPlaces([c = conn.get(), path](int element, int display) -> std::optional<TextPlace> {
      auto at = PlaceInText(*c, element, display);
      if (!at) return std::nullopt;
      return TextPlace{(std::filesystem::path(path) / at->file).string(), at->line, at->column};
    });
  }
  compiler = std::make_unique<clsDownload>(*host);
  compiler->SetFindingSink(log);
}

CLI::App* AddDbCommand(CLI::App& app, const char* name, const char* help, Options& o) {
  auto* cmd = app.add_subcommand(name, help);
  cmd->add_option("DB", o.db, "Project database file")->required();
  cmd->add_option("--busy-timeout", o.busyTimeout, "Seconds to wait for another program's lock on the project")
      ->check(CLI::Range(0, 86400));
  return cmd;
}

void AddDiagnosticsOption(CLI::App* cmd, Options& o) {
  cmd->add_option("--diagnostics", o.diagnostics, "Diagnostics format: text, json (one object a line) or sarif")
      ->check(CLI::IsMember({"text", "json", "sarif"}));
  cmd->add_option("--diagnostics-file", o.diagnosticsFile, "Write the diagnostics to this file, not to stderr");
  cmd->add_option("--color", o.color,
                  "Colour text diagnostics: auto (stderr is a terminal and NO_COLOR unset), always, never")
      ->check(CLI::IsMember({"auto", "always", "never"}));
  cmd->add_flag("--quiet", o.quiet, "Write only errors and the summary, no warnings or notices");
  cmd->add_flag("--werror", o.werror, "Warnings count as errors for the exit code");
}

}  // namespace brisklet::cli
