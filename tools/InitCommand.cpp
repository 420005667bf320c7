// brisklet init DB: a new, empty project database.
#include <iostream>

#include "Commands.h"
#include "base/RuntimeError.h"
#include "database/Connection.h"

namespace brisklet::cli {

void AddInitCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("init", "Create a new project database with every table the compiler reads");
  static std::string path;
  cmd->add_option("DB", path, "Project database file to create (must not exist)")->required();
  cmd->callback([&exitCode] {
    try {
      Connection::Create(path);
      std::cout << "created " << path << '\n';
      exitCode = 0;
    } catch (const RuntimeError& e) {
      std::cerr << "brisklet: " << e.Describe() << '\n';
      exitCode = 2;
    } catch (const std::exception& e) {
      std::cerr << "brisklet: " << e.what() << '\n';
      exitCode = 2;
    }
  });
}

}  // namespace brisklet::cli
