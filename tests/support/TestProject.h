// A small project database in memory, built row by row by a test, with the default host
// and a compiler whose messages are recorded; fonts of chosen widths; shared helpers.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/RuntimeError.h"
#include "component/ProjectCompile.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "host/FindingSink.h"
#include "host/MessageSink.h"

namespace brisklet::test {

// The arguments of one AddOutputMessage call.
struct RecordedMessage {
  int severity, moduleId;
  std::string moduleName, location, message;
  int displayId;
};

// A message sink that records every call, in order, for the tests to compare; as the finding
// sink, it records each finding's rule and element.
class RecordingMessageSink : public MessageSink, public FindingSink {
 public:
  void AddCompileMessage(int source, int category, int severity, int moduleId, int displayId,
                         const std::string& moduleName, const std::string& location, int reserved,
                         const std::string& message) override;
  void AddOutputMessage(int category, int severity, const std::string& moduleName, const std::string& location,
                        const std::string& message, int moduleId, int displayId) override;

  void AddFinding(const DesignMessage& f) override;

  std::vector<std::string> calls;         // every call with all its arguments, in order
  std::vector<std::string> findings;      // "rule element-ID element-GUID element-name", in order
  std::vector<RecordedMessage> messages;  // one per AddOutputMessage
  std::vector<std::string> Texts() const;
};

using Columns = std::vector<std::pair<std::string, Value>>;

class TestProject {
 public:
  TestProject();
  // A new project file without any rows (no palette either), for tests that fill it in bulk;
  // the file is removed with the project.
  struct EmptyFile {
    std::string path;
  };
  explicit TestProject(EmptyFile file);
  // A copy of another project's file (which must be a file), removed with the copy.
  struct CopyOf {
    TestProject& from;
    std::string path;
  };
  explicit TestProject(CopyOf copy);
  ~TestProject();

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
  // The compile `brisklet compile` runs: edits marked, deleted items removed, findings kept.
  ProjectCompileReport CompileAsHost(const ProjectCompileOptions& options = {});

  // One value of a query ("SELECT TabIndex FROM HMI_Elements WHERE ID=3").
  Value Scalar(const std::string& sql);
  std::vector<int64_t> Column(const std::string& sql);
  // Each row as its values joined by blanks (byte arrays as hex).
  std::vector<std::string> Texts(const std::string& sql);
  // The stored unit of a GUID as hex, "" when there is none.
  std::string UnitHex(int32_t guid);
  int64_t IsCompiled(int32_t guid);
  int32_t GuidOf(int32_t elementId);

 private:
  int32_t AddItem(const std::string& table, Columns columns);
  void Open(std::unique_ptr<Connection> conn);
  std::unique_ptr<Connection> mConn;
  std::unique_ptr<DefaultHost> mHost;
  std::unique_ptr<clsDownload> mCompiler;
  std::shared_ptr<RecordingMessageSink> mSink;
  std::vector<std::string> mNotices;
  int32_t mNextGuid = 1000;
  std::string mFile;  // "" for the in-memory project
};

// The columns of `base` with those of `given` put in: a given column replaces the one of the
// same name, or is added.
Columns With(Columns base, const Columns& given);

// The run-time error a call raises; one with the text "no error" when it raises none.
RuntimeError ErrorOf(const std::function<void()>& call);

// A path in the temporary folder that no other test process uses.
std::string TempPath(const std::string& name);
// Bytes packed as the project stores picture data.
Bytes Compressed(const Bytes& data);

// The brisklet tool run as a separate process.
struct ToolRun {
  int exitCode;
  std::string out, err;
};
ToolRun RunTool(const std::string& args);
// A shell command line run the same way.
ToolRun RunShell(const std::string& command);
// A file's bytes ("" when it cannot be read).
std::string ReadFile(const std::string& path);

// A project font whose widths a test chooses, stored as tblFonts and tblFontGlyphs rows the
// way `brisklet font add` stores a measured font.
struct TestFont {
  int32_t number = 1;
  int32_t lineHeight = 10;
  int32_t advance = 6;                  // every byte from 0x20 up
  std::map<uint8_t, int32_t> widths{};  // exceptions, by code-page byte
  int32_t charset = 0;
};
// Adds the font after the project's other fonts (its index is the number of fonts before it).
void AddTestFont(TestProject& project, const TestFont& font);

// Hex of bytes with a space between pairs, for whole-record comparisons.
std::string Hex(const Bytes& b);
// Joins hex fragments written in pieces with comments: Hx({"56 54", "01"}) == "56 54 01".
// Blanks between pairs may be doubled to group fields, and a fragment may carry its own
// comment after "//": Hx({"56 54  // tag", "01  02  // type, flag"}) == "56 54 01 02".
std::string Hx(std::initializer_list<const char*> parts);

}  // namespace brisklet::test
