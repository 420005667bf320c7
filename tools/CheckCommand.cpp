// brisklet check: our own design checks alone, over a project that is read and not compiled.
#include <iomanip>

#include "CommandSupport.h"
#include "Commands.h"
#include "lint/LintRules.h"

namespace brisklet::cli {
namespace {

// Each rule with its severity as configured: "BRK101  warning  OffScreen  An element lies ...".
void WriteRules(const LintConfig& config, std::ostream& out) {
  for (const LintRule& rule : LintRules()) {
    out << RuleId(rule.text.number) << "  " << std::left << std::setw(8)
        << SeverityName(config.SeverityOf(rule.text.number)) << "  " << std::setw(24) << rule.text.name << "  "
        << rule.text.summary << '\n';
  }
}

}  // namespace

void AddCheckCommand(CLI::App& app, int& exitCode) {
  static Options check;
  static bool rules = false;
  auto* c = AddDbCommand(app, "check",
                         "Run our own design checks (BRK100 on) over a project without compiling it (exit 1 on errors)",
                         check);
  AddDiagnosticsOption(c, check);
  AddConfigOption(c, check.config);
  c->add_flag("--rules", rules,
              "List the rules with their severities as the configuration sets them, and check nothing");
  c->callback([&exitCode] {
    check.lint = !rules;
    exitCode = RunWithCompiler(check, true, [](clsDownload&, DefaultHost&, Connection&, std::ostream& out) {
      if (rules) WriteRules(LintConfigOf(check.db, check.config), out);
    });
  });
}

}  // namespace brisklet::cli
