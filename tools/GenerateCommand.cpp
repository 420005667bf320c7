// brisklet generate DB --displays N --elements-per-display M [--seed S]: a new synthetic project.
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "ProjectGenerator.h"
#include "Progress.h"
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
    // Made under a temporary name and renamed when complete: a run that is killed or fails
    // never leaves a half-made project under the name asked for.
    std::string partial = path + ".partial";
    exitCode = 2;
    try {
      std::error_code error;
      if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        throw RuntimeError("Cannot create project database", "'" + path + "' already exists");
      }
      std::filesystem::remove(partial, error);
      GeneratorSummary s;
      {
        ProgressLine line("generating", "displays");
        auto db = Connection::Create(partial);
        s = GenerateProject(*db, options, [&line](int64_t done, int64_t total) { line.Update(done, total); });
      }
      std::filesystem::rename(partial, path);
      std::cout << "generated " << path << ": " << s.modules << " modules, " << s.displays << " displays, "
                << s.elements << " elements, " << s.images << " images, " << s.jumps << " jumps, all pending\n";
      exitCode = 0;
    } catch (const RuntimeError& e) {
      std::cerr << "brisklet: " << e.Describe() << '\n';
    } catch (const std::exception& e) {
      std::cerr << "brisklet: " << e.what() << '\n';
    }
    if (exitCode != 0) {
      std::error_code ignored;
      std::filesystem::remove(partial, ignored);
    }
  });
}

}  // namespace brisklet::cli
