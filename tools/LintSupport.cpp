// The configuration file found and read for a command, and the findings told in its diagnostics.
#include "LintSupport.h"

#include <filesystem>
#include <iostream>

#include "base/RuntimeError.h"
#include "lint/KeptLint.h"
#include "textproject/ProjectFolder.h"

namespace brisklet::cli {

std::string ConfigPathOf(const std::string& project, const std::string& config) {
  if (!config.empty()) return config;
  namespace fs = std::filesystem;
  fs::path at(project);
  fs::path beside = IsTextProjectFolder(project) ? at / kConfigFile : at.parent_path() / kConfigFile;
  std::error_code ec;
  return fs::is_regular_file(beside, ec) ? beside.string() : "";
}

LintConfig LintConfigOf(const std::string& project, const std::string& config) {
  std::string path = ConfigPathOf(project, config);
  if (path.empty()) return {};
  std::vector<ConfigProblem> problems;
  LintConfig read = ReadLintConfig(path, problems);
  for (const ConfigProblem& p : problems) {
    std::cerr << path;
    if (p.line > 0) std::cerr << ':' << p.line << ':' << p.column;
    std::cerr << ": error: " << p.text << '\n';
  }
  if (!problems.empty()) throw RuntimeError("Invalid configuration", "'" + path + "' holds mistakes");
  return read;
}

void AddLintFindings(DiagnosticsLog& log, Connection& db, HostFactory& host, const LintConfig& config, bool keep) {
  LintReport report;
  try {
    report = keep ? RunKeptLint(ContextOf(db, host), config) : RunLint(ContextOf(db, host), config);
  } catch (const RuntimeError& e) {
    log.Notice("our own checks could not run: " + e.Describe());  // the screen or code page setting
    return;
  }
  log.Reserve(report.notices.size() + report.findings.size());
  for (const std::string& notice : report.notices) log.Notice(notice);
  for (LintFinding& f : report.findings) log.AddLintFinding(std::move(f));
}

void AddConfigOption(CLI::App* cmd, std::string& config) {
  cmd->add_option("--config", config,
                  "The configuration of our own checks (default: brisklet.toml beside the project or in its folder)");
}

}  // namespace brisklet::cli
