// The fixture of the tool's process tests: a project built in a temporary folder, saved as a
// file for the tool to run on.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestProject.h"

namespace brisklet::test {

namespace fs = std::filesystem;

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

class Cli : public ::testing::Test {
 protected:
  Cli() : dir(TempPath("cli")) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    project.AddModule("Main");
    setup = project.AddDisplay({{"ModuleID", 1}, {"Description", "Setup"}});
  }
  ~Cli() override { fs::remove_all(dir); }

  // The project built so far, as a file.
  std::string Save() {
    std::string path = (dir / "project.db").string();
    fs::remove(path);
    project.Db().Execute("VACUUM INTO '" + path + "'");
    return path;
  }
  // A 20 x 20 rectangle on "Setup", with the given columns put in.
  int32_t Rectangle(const Columns& given = {}) {
    return project.AddElement(With({{"DisplayID", setup}, {"Type", 1}, {"Dx", 20}, {"Dy", 20}}, given));
  }

  fs::path dir;
  TestProject project;
  int32_t setup = 0;
};

}  // namespace brisklet::test
