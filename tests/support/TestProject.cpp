// The test project builder, the recording sink, test fonts and the shared helpers.
#include "support/TestProject.h"

#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/ByteWriter.h"

namespace brisklet::test {

TestProject::TestProject() : mSink(std::make_shared<RecordingMessageSink>()) {
  Open(Connection::CreateInMemory());
  Insert("HMI_Palettes", {{"ID", 1}, {"GUID", 500}});
}

TestProject::TestProject(EmptyFile file) : mSink(std::make_shared<RecordingMessageSink>()), mFile(file.path) {
  std::filesystem::remove(mFile);
  Open(Connection::Create(mFile));
}

TestProject::TestProject(CopyOf copy) : mSink(std::make_shared<RecordingMessageSink>()), mFile(copy.path) {
  std::filesystem::remove(mFile);
  copy.from.Db().Execute("VACUUM INTO ?", {Value(mFile)});
  Open(Connection::Open(mFile));
}

ProjectCompileReport TestProject::CompileAsHost(const ProjectCompileOptions& options) {
  return ProjectCompile(Compiler(), *mHost, *mConn).Run(options);
}

// Releases the compiler, the host and the connection in this order, then takes the new one.
void TestProject::Open(std::unique_ptr<Connection> conn) {
  mCompiler.reset();
  mHost.reset();
  mConn = std::move(conn);
  if (!mConn) return;
  DefaultHostOptions options;
  options.notice = [this](const std::string& text) { mNotices.push_back(text); };
  mHost = std::make_unique<DefaultHost>(*mConn, options);
}

void TestProject::UseDataDir(const std::string& dataDir) {
  mCompiler.reset();
  DefaultHostOptions options;
  options.dataDir = dataDir;
  options.notice = [this](const std::string& text) { mNotices.push_back(text); };
  mHost = std::make_unique<DefaultHost>(*mConn, options);
}

TestProject::~TestProject() {
  Open(nullptr);
  if (!mFile.empty()) std::filesystem::remove(mFile);
}

clsDownload& TestProject::Compiler() {
  if (!mCompiler) {
    mCompiler = std::make_unique<clsDownload>(*mHost);
    mCompiler->SetCompMsg(mSink);
    mCompiler->SetFindingSink(mSink);
  }
  return *mCompiler;
}

int64_t TestProject::Insert(const std::string& table, const Columns& columns) {
  std::string names, marks;
  std::vector<Value> values;
  for (const auto& [name, value] : columns) {
    names += (names.empty() ? "" : ", ") + name;
    marks += marks.empty() ? "?" : ", ?";
    values.push_back(value);
  }
  std::string sql = columns.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                                    : "INSERT INTO " + table + "(" + names + ") VALUES(" + marks + ")";
  mConn->Execute(sql, values);
  return sqlite3_last_insert_rowid(mConn->Handle());
}

int32_t TestProject::AddModule(const std::string& name, int32_t id) {
  Columns c = {{"ModuleName", name}};
  if (id != 0) c.push_back({"ModuleID", id});
  return static_cast<int32_t>(Insert("DispModules", c));
}

int32_t TestProject::AddDisplay(Columns columns) { return AddItem("Pages", With({{"PaletteID", 1}}, columns)); }
int32_t TestProject::AddElement(Columns columns) { return AddItem("HMI_Elements", std::move(columns)); }

// The row, with the next GUID unless it has one, and its bookkeeping row.
int32_t TestProject::AddItem(const std::string& table, Columns columns) {
  auto guid = std::find_if(columns.begin(), columns.end(), [](const auto& c) { return c.first == "GUID"; });
  Value value = guid != columns.end() ? guid->second : Value(mNextGuid++);
  if (guid == columns.end()) columns.push_back({"GUID", value});
  int32_t id = static_cast<int32_t>(Insert(table, columns));
  Insert("DownloadDLUs", {{"Guid", value}, {"IsCompiled", 0}});
  return id;
}

void TestProject::SetSetting(const std::string& name, const Value& value) {
  mConn->Execute("INSERT OR REPLACE INTO ProjectSettings(Name, Value) VALUES(?, ?)", {Value(name), value});
  mHost->BeginPublicCall();
}

Value TestProject::Scalar(const std::string& sql) {
  sqlite3_stmt* stmt = mConn->Prepared(sql);
  Value v = sqlite3_step(stmt) == SQLITE_ROW ? ColumnValue(stmt, 0) : Value();
  sqlite3_reset(stmt);
  return v;
}

std::vector<int64_t> TestProject::Column(const std::string& sql) {
  std::vector<int64_t> out;
  sqlite3_stmt* stmt = mConn->Prepared(sql);
  while (sqlite3_step(stmt) == SQLITE_ROW) out.push_back(sqlite3_column_int64(stmt, 0));
  sqlite3_reset(stmt);
  return out;
}

std::vector<std::string> TestProject::Texts(const std::string& sql) {
  std::vector<std::string> out;
  sqlite3_stmt* stmt = mConn->Prepared(sql);
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    std::string row;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
      Value v = ColumnValue(stmt, i);
      row += (i ? " " : "") + (v.IsBytes() ? Hex(v.ToBytes()) : v.SqlText());
    }
    out.push_back(row);
  }
  sqlite3_reset(stmt);
  return out;
}

std::string TestProject::UnitHex(int32_t guid) {
  Value v = Scalar("SELECT Data FROM DownloadUnits WHERE UnitGuid=" + std::to_string(guid));
  return v.IsNull() ? std::string() : Hex(v.ToBytes());
}

int64_t TestProject::IsCompiled(int32_t guid) {
  return Scalar("SELECT IsCompiled FROM DownloadDLUs WHERE Guid=" + std::to_string(guid)).ToLong();
}

int32_t TestProject::GuidOf(int32_t elementId) {
  return static_cast<int32_t>(Scalar("SELECT GUID FROM HMI_Elements WHERE ID=" + std::to_string(elementId)).ToLong());
}

Columns With(Columns base, const Columns& given) {
  for (const auto& [name, value] : given) {
    auto same = std::find_if(base.begin(), base.end(), [&](const auto& c) { return c.first == name; });
    if (same != base.end()) {
      same->second = value;
    } else {
      base.push_back({name, value});
    }
  }
  return base;
}

RuntimeError ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return e;
  }
  return RuntimeError("no error");
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("brisklet-" + std::to_string(getpid()) + "-" + name)).string();
}

Bytes Compressed(const Bytes& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  compress(out.data(), &size, data.data(), static_cast<uLong>(data.size()));
  out.resize(size);
  return out;
}

std::string ReadFile(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

namespace {
std::string ReadAndRemove(const std::string& path) {
  std::string text = ReadFile(path);
  std::filesystem::remove(path);
  return text;
}
}  // namespace

ToolRun RunTool(const std::string& args) { return RunShell(std::string(BRISKLET_CLI) + " " + args); }

ToolRun RunShell(const std::string& command) {
  std::string out = TempPath("stdout"), err = TempPath("stderr");
  int status = std::system(("(" + command + ") >" + out + " 2>" + err).c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAndRemove(out), ReadAndRemove(err)};
}

namespace {
// "Name(a,b,...)" of a call and its arguments.
template <typename... Args>
std::string Call(const char* name, const Args&... args) {
  std::ostringstream out;
  out << name << '(';
  const char* separator = "";
  ((out << separator << args, separator = ","), ...);
  out << ')';
  return out.str();
}
}  // namespace

void RecordingMessageSink::AddCompileMessage(int source, int category, int severity, int moduleId, int displayId,
                                             const std::string& moduleName, const std::string& location, int reserved,
                                             const std::string& message) {
  calls.push_back(Call("AddCompileMessage", source, category, severity, moduleId, displayId, moduleName, location,
                       reserved, message));
}

void RecordingMessageSink::AddOutputMessage(int category, int severity, const std::string& moduleName,
                                            const std::string& location, const std::string& message, int moduleId,
                                            int displayId) {
  calls.push_back(Call("AddOutputMessage", category, severity, moduleName, location, message, moduleId, displayId));
  messages.push_back({severity, moduleId, moduleName, location, message, displayId});
}

void RecordingMessageSink::AddFinding(const DesignMessage& f) {
  findings.push_back(Call("Finding", f.rule, f.element.id, f.element.guid, f.element.name));
}

std::vector<std::string> RecordingMessageSink::Texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.message);
  return out;
}

void AddTestFont(TestProject& project, const TestFont& font) {
  project.Insert("tblFonts", {{"FontNumber", font.number},
                              {"FontCRC", 0x1000 + font.number},
                              {"Charset", font.charset},
                              {"FontName", "Test"},
                              {"PixelSize", font.lineHeight},
                              {"LineHeight", font.lineHeight},
                              {"Ascent", font.lineHeight - 2}});
  for (int code = 0x20; code < 256; ++code) {
    auto it = font.widths.find(static_cast<uint8_t>(code));
    int32_t advance = it == font.widths.end() ? font.advance : it->second;
    project.Insert("tblFontGlyphs", {{"FontNumber", font.number}, {"Code", code}, {"Advance", advance}});
  }
  project.Host().BeginPublicCall();  // drop metrics cached before the font existed
}

std::string Hex(const Bytes& b) { return ToHex(b); }

std::string Hx(std::initializer_list<const char*> parts) {
  std::string out;
  for (const char* p : parts) {
    std::string s(p);
    if (size_t comment = s.find("//"); comment != std::string::npos) s.erase(comment);
    std::istringstream pairs(s);
    for (std::string pair; pairs >> pair;) out += (out.empty() ? "" : " ") + pair;
  }
  return out;
}

}  // namespace brisklet::test
