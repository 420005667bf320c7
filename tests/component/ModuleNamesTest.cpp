// The module name of a message is read once per CompileHMI: every message of a run names
// the module as it was when the run began, and the next run reads the names again.
#include <gtest/gtest.h>

#include "support/TestProject.h"

namespace brisklet::test {
namespace {

// Module 1 "Main" with display 1; elements name font 9, which the project lacks, so the font
// check warns once for each of them.
class ModuleNames : public ::testing::Test {
 protected:
  ModuleNames() {
    project.AddModule("Main", 1);
    project.AddModule("Spare", 2);
    project.AddDisplay({{"Id", 1}, {"GUID", 100}, {"ModuleID", 1}, {"Description", "Setup"}});
    project.AddDisplay({{"Id", 2}, {"GUID", 101}, {"ModuleID", 2}, {"Description", "Alarms"}});
    for (int i = 0; i < 3; ++i) project.AddElement({{"DisplayID", 1}, {"Type", 4}, {"FontNumber", 9}, {"Text", "A"}});
    project.AddElement({{"DisplayID", 2}, {"Type", 4}, {"FontNumber", 9}, {"Text", "B"}});
  }
  std::vector<std::string> Modules() {
    std::vector<std::string> out;
    for (const RecordedMessage& m : project.Messages().messages) out.push_back(m.moduleName);
    project.Messages().messages.clear();
    return out;
  }
  TestProject project;
};

TEST_F(ModuleNames, EveryMessageOfARunNamesItsModule) {
  project.Compiler().CompileHMI();
  EXPECT_EQ(Modules(), (std::vector<std::string>{"Main", "Main", "Main", "Spare"}));
}

TEST_F(ModuleNames, TheNextRunReadsTheNamesAgain) {
  project.Compiler().CompileHMI();
  Modules();
  project.Db().Execute("UPDATE DispModules SET ModuleName='Renamed' WHERE ModuleID=1");
  project.Compiler().CompileHMI();
  EXPECT_EQ(Modules(), (std::vector<std::string>{"Renamed", "Renamed", "Renamed", "Spare"}));
}

}  // namespace
}  // namespace brisklet::test
