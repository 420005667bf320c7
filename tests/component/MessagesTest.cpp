// Reporting a message: counted by severity, forwarded to the sink as a compile message
// and then an output message, with or without a sink, and with the module's name.
#include <gtest/gtest.h>

#include "base/RuntimeError.h"
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
  int32_t severity;
  int32_t moduleId;
  int32_t errors;
  int32_t warnings;
  Calls calls;
};

const Report kReports[] = {
    {"error",
     0,
     7,
     1,
     0,
     {"AddCompileMessage(5,0,0,7,3,Main,Setup,0,Too big)", "AddOutputMessage(0,0,Main,Setup,Too big,7,3)"}},
    {"warning",
     1,
     7,
     0,
     1,
     {"AddCompileMessage(5,0,1,7,3,Main,Setup,0,Too big)", "AddOutputMessage(0,1,Main,Setup,Too big,7,3)"}},
    {"another severity is forwarded but not counted",
     2,
     7,
     0,
     0,
     {"AddCompileMessage(5,0,2,7,3,Main,Setup,0,Too big)", "AddOutputMessage(0,2,Main,Setup,Too big,7,3)"}},
    {"a module that does not exist has no name",
     0,
     99,
     1,
     0,
     {"AddCompileMessage(5,0,0,99,3,,Setup,0,Too big)", "AddOutputMessage(0,0,,Setup,Too big,99,3)"}},
    {"module 0 has no name",
     1,
     0,
     0,
     1,
     {"AddCompileMessage(5,0,1,0,3,,Setup,0,Too big)", "AddOutputMessage(0,1,,Setup,Too big,0,3)"}},
};

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

TEST_F(Messages, CountersAddUpOverSeveralMessages) {
  for (const auto& r : kReports) Report(r);
  EXPECT_EQ(project.Compiler().ErrorCount(), 2);
  EXPECT_EQ(project.Compiler().WarningCount(), 2);
  EXPECT_EQ(project.Messages().calls.size(), 2 * std::size(kReports));
}

TEST_F(Messages, WithoutASinkMessagesAreStillCounted) {
  project.Compiler().SetCompMsg(nullptr);
  EXPECT_EQ(project.Compiler().CompMsg(), nullptr);
  for (const auto& r : kReports) Report(r);
  EXPECT_EQ(project.Compiler().ErrorCount(), 2);
  EXPECT_EQ(project.Compiler().WarningCount(), 2);
  EXPECT_TRUE(project.Messages().calls.empty());
}

TEST_F(Messages, ASinkSetAgainReplacesTheFirst) {
  auto second = std::make_shared<RecordingMessageSink>();
  project.Compiler().SetCompMsg(second);
  EXPECT_EQ(project.Compiler().CompMsg(), second);
  Report(kReports[0]);
  EXPECT_TRUE(project.Messages().calls.empty());
  EXPECT_EQ(second->calls, kReports[0].calls);
}

// The module is looked up for every message, also without a sink: a failing look-up ends
// the report before anything is counted.
TEST_F(Messages, TheModuleLookUpRunsWithoutASink) {
  project.Compiler().SetCompMsg(nullptr);
  project.Db().Execute("DROP TABLE DispModules");
  EXPECT_THROW(Report(kReports[0]), RuntimeError);
  EXPECT_EQ(project.Compiler().ErrorCount(), 0);
}

// A failing sink ends the report after the message was counted.
TEST_F(Messages, AFailingSinkFailsAfterCounting) {
  project.Compiler().SetCompMsg(std::make_shared<FailingMessageSink>());
  EXPECT_THROW(Report(kReports[1]), RuntimeError);
  EXPECT_EQ(project.Compiler().WarningCount(), 1);
}

TEST_F(Messages, ModuleNameByModuleId) {
  project.AddModule("Service", 8);
  const std::pair<int32_t, const char*> cases[] = {{7, "Main"}, {8, "Service"}, {0, ""}, {-1, ""}, {99, ""}};
  for (const auto& [id, name] : cases) {
    EXPECT_EQ(clsDownloadTestAccess::GetModuleName(project.Compiler(), id), name) << id;
  }
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
