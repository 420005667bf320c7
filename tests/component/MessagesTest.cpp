// Reporting a message: counted by severity, forwarded to the sink as a compile message and
// then an output message, with or without a sink, and with the module's name as it was when
// the run began.
#include <gtest/gtest.h>

#include "host/MessageBox.h"
#include "support/TestAccess.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

using Calls = std::vector<std::string>;

// A sink whose every call fails, like a host object that has gone away.
class FailingMessageSink : public MessageSink {
 public:
  void AddCompileMessage(int, int, int, int, int, const std::string&, const std::string&, int,
                         const std::string&) override {
    throw RuntimeError("Automation error");
  }
  void AddOutputMessage(int, int, const std::string&, const std::string&, const std::string&, int, int) override {
    throw RuntimeError("Automation error");
  }
};

struct Report {
  const char* name;
  int32_t severity, moduleId, errors, warnings;
  Calls calls;
};

// clang-format off
const Report kReports[] = {
  {"error", 0, 7, 1, 0,
   {"AddCompileMessage(5,0,0,7,3,Main,Setup,0,Too big)", "AddOutputMessage(0,0,Main,Setup,Too big,7,3)"}},
  {"warning", 1, 7, 0, 1,
   {"AddCompileMessage(5,0,1,7,3,Main,Setup,0,Too big)", "AddOutputMessage(0,1,Main,Setup,Too big,7,3)"}},
  {"another severity is forwarded but not counted", 2, 7, 0, 0,
   {"AddCompileMessage(5,0,2,7,3,Main,Setup,0,Too big)", "AddOutputMessage(0,2,Main,Setup,Too big,7,3)"}},
  {"a module that does not exist has no name", 0, 99, 1, 0,
   {"AddCompileMessage(5,0,0,99,3,,Setup,0,Too big)", "AddOutputMessage(0,0,,Setup,Too big,99,3)"}},
  {"module 0 has no name", 1, 0, 0, 1,
   {"AddCompileMessage(5,0,1,0,3,,Setup,0,Too big)", "AddOutputMessage(0,1,,Setup,Too big,0,3)"}},
};
// clang-format on

class Messages : public ::testing::Test {
 protected:
  Messages() { project.AddModule("Main", 7); }
  void Report(const ::brisklet::test::Report& r) {
    clsDownloadTestAccess::ReportMessage(project.Compiler(), r.severity, r.moduleId, "Setup", "Too big", 3);
  }
  TestProject project;
};

TEST(MessageReport, CountedBySeverityAndForwardedInOrder) {
  for (const auto& r : kReports) {
    TestProject fresh;
    fresh.AddModule("Main", 7);
    clsDownloadTestAccess::ReportMessage(fresh.Compiler(), r.severity, r.moduleId, "Setup", "Too big", 3);
    EXPECT_EQ(fresh.Compiler().ErrorCount(), r.errors) << r.name;
    EXPECT_EQ(fresh.Compiler().WarningCount(), r.warnings) << r.name;
    EXPECT_EQ(fresh.Messages().calls, r.calls) << r.name;
  }
}

// Counters add up, with a sink or without one; a sink set again replaces the first.
TEST_F(Messages, CountedWithOrWithoutASink) {
  for (const auto& r : kReports) Report(r);
  EXPECT_EQ(project.Messages().calls.size(), 2 * std::size(kReports));
  auto second = std::make_shared<RecordingMessageSink>();
  project.Compiler().SetCompMsg(second);
  Report(kReports[0]);
  EXPECT_EQ(second->calls, kReports[0].calls);
  project.Compiler().SetCompMsg(nullptr);
  for (const auto& r : kReports) Report(r);
  EXPECT_EQ(project.Compiler().ErrorCount(), 5);
  EXPECT_EQ(project.Compiler().WarningCount(), 4);
  EXPECT_EQ(project.Messages().calls.size(), 2 * std::size(kReports));
}

// The module is looked up for every message, also without a sink: a failing look-up ends
// the report before anything is counted. A failing sink ends it after the count.
TEST_F(Messages, FailuresBeforeAndAfterTheCount) {
  project.Compiler().SetCompMsg(std::make_shared<FailingMessageSink>());
  EXPECT_EQ(ErrorOf([&] { Report(kReports[1]); }).Text(), "Automation error");
  EXPECT_EQ(project.Compiler().WarningCount(), 1);
  project.Compiler().SetCompMsg(nullptr);
  project.Db().Execute("DROP TABLE DispModules");
  EXPECT_NE(ErrorOf([&] { Report(kReports[0]); }).Text(), "no error");
  EXPECT_EQ(project.Compiler().ErrorCount(), 0);
}

// Every message of a CompileHMI names the module as it was when the run began (font 9,
// which the project lacks, warns once per element); the next run reads the names again.
TEST_F(Messages, ModuleNamesAreReadOncePerRun) {
  project.AddModule("Spare", 8);
  project.AddDisplay({{"Id", 1}, {"ModuleID", 7}, {"Description", "Setup"}});
  project.AddDisplay({{"Id", 2}, {"ModuleID", 8}, {"Description", "Alarms"}});
  for (int32_t display : {1, 1, 1, 2}) project.AddElement({{"DisplayID", display}, {"Type", 4}, {"FontNumber", 9}});
  auto modules = [&] {
    project.Compiler().CompileHMI();
    std::vector<std::string> out;
    for (const RecordedMessage& m : project.Messages().messages) out.push_back(m.moduleName);
    project.Messages().messages.clear();
    return out;
  };
  EXPECT_EQ(modules(), (std::vector<std::string>{"Main", "Main", "Main", "Spare"}));
  project.Db().Execute("UPDATE DispModules SET ModuleName='Renamed' WHERE ModuleID=7");
  EXPECT_EQ(modules(), (std::vector<std::string>{"Renamed", "Renamed", "Renamed", "Spare"}));
}

// The host's message box never blocks: the text becomes a notice and the answer is OK.
TEST_F(Messages, ShowMsgboxIsANoticeAnsweredOk) {
  std::string text = project.Host().NewMessageService()->MessageText(409, {});
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(project.Compiler().ShowMsgbox(409), kMsgBoxOk);
  EXPECT_EQ(project.Notices(), (std::vector<std::string>{text}));
}

}  // namespace
}  // namespace brisklet::test
