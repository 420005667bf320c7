// A small project database in memory, built row by row by a test, with the default host
// and a compiler whose messages are recorded.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "support/RecordingMessageSink.h"

namespace brisklet::test {

using Columns = std::vector<std::pair<std::string, Value>>;

class TestProject {
 public:
  TestProject();
  // A new project file without any rows (no palette either), for tests that fill it in bulk
  // or reopen it; the file is removed with the project.
  struct EmptyFile {
    std::string path;
  };
  explicit TestProject(EmptyFile file);
  ~TestProject();

  // Releases the compiler, the host and the connection, as a host ending its session would,
  // and opens the file again (EmptyFile projects only).
  void Reopen();
  // A new host (and compiler) that reads the message catalogue and the calendar files from
  // `dataDir` instead of the source tree's data folder.
  void UseDataDir(const std::string& dataDir);

  Connection& Db() { return *mConn; }
  DefaultHost& Host() { return *mHost; }
  clsDownload& Compiler();
  RecordingMessageSink& Messages() { return *mSink; }
  std::vector<std::string>& Notices() { return mNotices; }

  // INSERT of the named columns (all others take their defaults); returns the new rowid.
  int64_t Insert(const std::string& table, const Columns& columns);
  // A display module, a display (with palette and bookkeeping row), an element.
  int32_t AddModule(const std::string& name, int32_t id = 0);
  int32_t AddDisplay(Columns columns);
  int32_t AddElement(Columns columns);
  void SetSetting(const std::string& name, const Value& value);

  // One value of a query ("SELECT TabIndex FROM HMI_Elements WHERE ID=3").
  Value Scalar(const std::string& sql);
  std::vector<int64_t> Column(const std::string& sql);
  // The stored unit of a GUID as hex, "" when there is none.
  std::string UnitHex(int32_t guid);
  int64_t IsCompiled(int32_t guid);

 private:
  std::unique_ptr<Connection> mConn;
  std::unique_ptr<DefaultHost> mHost;
  std::unique_ptr<clsDownload> mCompiler;
  std::shared_ptr<RecordingMessageSink> mSink;
  std::vector<std::string> mNotices;
  int32_t mNextGuid = 1000;
  std::string mFile;  // "" for the in-memory project
};

// Hex of bytes with a space between pairs, for whole-record comparisons.
std::string Hex(const Bytes& b);
// Joins hex fragments written in pieces with comments: Hx({"56 54", "01"}) == "56 54 01".
// Blanks between pairs may be doubled to group fields, and a fragment may carry its own
// comment after "//": Hx({"56 54  // tag", "01  02  // type, flag"}) == "56 54 01 02".
std::string Hx(std::initializer_list<const char*> parts);

}  // namespace brisklet::test
