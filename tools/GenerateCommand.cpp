// brisklet generate DB --displays N --elements-per-display M [--seed S] [--mix classic|every-kind]:
// a new synthetic project.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "Progress.h"
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
  static std::string mix = "classic";
  cmd->add_option("--mix", mix, "Element mix: classic (shapes, texts, pictures, buttons) or every-kind")
      ->check(CLI::IsMember({"classic", "every-kind"}));
  cmd->callback([&exitCode] {
    options.mix = mix == "every-kind" ? GeneratorMix::EveryKind : GeneratorMix::Classic;
    // Made under a name of this run's own and linked to the name asked for when complete: a
    // run that is killed or fails never leaves a half-made project under that name, two runs
    // never share a file, and a project that appears meanwhile is never replaced.
    std::string partial = path + ".partial-" + std::to_string(::getpid());
    bool made = false;
    exitCode = 2;
    try {
      std::error_code error;
      if (!Connection::IsFilePath(path)) {
        throw RuntimeError("Cannot create project database",
                           "'" + path + "' is not a file path (a project database is a file of its own)");
      }
      if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        throw RuntimeError("Cannot create project database", "'" + path + "' already exists");
      }
      GeneratorSummary s;
      {
        ProgressLine line("generating", "displays");
        auto db = Connection::Create(partial);
        made = true;
        s = GenerateProject(*db, options, [&line](int64_t done, int64_t total) { line.Update(done, total); });
      }
      if (::link(partial.c_str(), path.c_str()) != 0) {
        throw RuntimeError("Cannot create project database", "'" + path + "': " + std::strerror(errno));
      }
      std::cout << "generated " << path << ": " << s.modules << " modules, " << s.displays << " displays, "
                << s.elements << " elements, " << s.images << " images, " << s.jumps << " jumps, all pending\n";
      exitCode = 0;
    } catch (const RuntimeError& e) {
      std::cerr << "brisklet: " << e.Describe() << '\n';
    } catch (const std::exception& e) {
      std::cerr << "brisklet: " << e.what() << '\n';
    }
    if (made) {
      std::error_code ignored;
      std::filesystem::remove(partial, ignored);
      std::filesystem::remove(partial + "-journal", ignored);
    }
  });
}

}  // namespace brisklet::cli
