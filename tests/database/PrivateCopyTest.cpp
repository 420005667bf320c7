// The private copy a command works on: a temporary file of SQLite's beyond its page cache,
// already removed from its folder while the copy is open, so that nothing is left however the
// command ends; what the work writes stays in the copy.
#include <gtest/gtest.h>

#include <filesystem>

#include "database/Connection.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

// The descriptors of this process open on files removed from their folders.
int RemovedFilesOpen() {
  int open = 0;
  for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    if (fs::read_symlink(fd.path(), error).string().ends_with(" (deleted)")) ++open;
  }
  return open;
}

TEST(PrivateCopy, IsARemovedTemporaryFileGoneWithTheConnection) {
  TestProject project(TestProject::EmptyFile{TempPath("private-copy.db")});
  // Four megabytes: twice SQLite's page cache, so that the copy must go to its file.
  project.Db().Execute(
      "CREATE TABLE Filler AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4000) "
      "SELECT i, zeroblob(1000) AS b FROM n");
  int before = RemovedFilesOpen();
  {
    OpenOptions open;
    open.snapshot = true;
    auto copy = Connection::Open(project.Db().Path(), open);
    EXPECT_GT(RemovedFilesOpen(), before);
    copy->Execute("DELETE FROM Filler WHERE i > 10");
    EXPECT_EQ(copy->QueryValue("SELECT COUNT(*) FROM Filler")->ToLong(), 10);
  }
  EXPECT_EQ(RemovedFilesOpen(), before);
  EXPECT_EQ(project.Db().QueryValue("SELECT COUNT(*) FROM Filler")->ToLong(), 4000);
}

}  // namespace
}  // namespace brisklet::test
