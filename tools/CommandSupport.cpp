// Options, projects and diagnostics of the commands that open a project.
#include "CommandSupport.h"

#include <fstream>

#include "OutputPaths.h"

namespace brisklet::cli {
namespace {

DiagnosticsFormat FormatOf(const Options& o) {
  if (o.diagnostics == "json") return DiagnosticsFormat::Json;
  if (o.diagnostics == "sarif") return DiagnosticsFormat::Sarif;
  return DiagnosticsFormat::Text;
}

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

bool WriteDiagnostics(const Options& o, const DiagnosticsLog& log) {
  if (o.diagnosticsFile.empty()) {
    log.WriteTo(std::cerr, FormatOf(o));
    return static_cast<bool>(std::cerr.flush());
  }
  std::ofstream file(o.diagnosticsFile);
  log.WriteTo(file, FormatOf(o));
  return static_cast<bool>(file.flush());
}

OpenProject::OpenProject(const std::string& path, const Options& o, bool inspectOnly,
                         const std::shared_ptr<DiagnosticsLog>& log) {
  OpenOptions open;
  open.snapshot = inspectOnly;
  open.busyTimeoutSeconds = o.busyTimeout;
  open.waiting = [](const std::string& text) { std::cerr << "brisklet: " << text << std::endl; };
  conn = Connection::Open(path, open);
  DefaultHostOptions hostOptions;
  hostOptions.notice = [log](const std::string& text) { log->Notice(text); };
  host = std::make_unique<DefaultHost>(*conn, hostOptions);
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
}

}  // namespace brisklet::cli
