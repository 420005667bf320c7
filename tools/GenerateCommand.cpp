// brisklet generate DB --displays N --elements-per-display M [--seed S]: a new synthetic project.
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "ProjectGenerator.h"
#include "base/RuntimeError.h"
#include "database/Connection.h"

namespace brisklet::cli {

void AddGenerateCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("generate", "Create a synthetic project with every element pending (benchmarks)");
  static std::string path;
  static GeneratorOptions options;
  cmd->add_option("DB", path, "Project database file to create (must not exist)")->required();
  cmd->add_option("--displays", options.displays, "Number of displays")
      ->required()
      ->check(CLI::Range(1, kMaxGeneratedDisplays));
  cmd->add_option("--elements-per-display", options.elementsPerDisplay, "Elements on each display")
      ->required()
      ->check(CLI::Range(0, kMaxElementsPerDisplay));
  cmd->add_option("--seed", options.seed, "Seed of the generator; the same seed gives the same project");
  cmd->callback([&exitCode] {
    bool created = false;
    try {
      auto db = Connection::Create(path);  // refuses an existing file
      created = true;
      GeneratorSummary s = GenerateProject(*db, options);
      std::cout << "generated " << path << ": " << s.modules << " modules, " << s.displays << " displays, "
                << s.elements << " elements, " << s.images << " images, " << s.jumps << " jumps, all pending\n";
      exitCode = 0;
    } catch (const RuntimeError& e) {
      std::cerr << "brisklet: " << e.Describe() << '\n';
      exitCode = 2;
    }
    if (exitCode != 0 && created) std::filesystem::remove(path);  // no half-made project is left behind
  });
}

}  // namespace brisklet::cli
