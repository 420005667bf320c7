// The test project builder.
#include "support/TestProject.h"

#include <filesystem>
#include <sstream>

#include "base/ByteWriter.h"

namespace brisklet::test {

TestProject::TestProject() : mConn(Connection::CreateInMemory()), mSink(std::make_shared<RecordingMessageSink>()) {
  DefaultHostOptions options;
  options.notice = [this](const std::string& text) { mNotices.push_back(text); };
  mHost = std::make_unique<DefaultHost>(*mConn, options);
  Insert("HMI_Palettes", {{"ID", 1}, {"GUID", 500}});
}

TestProject::TestProject(EmptyFile file) : mSink(std::make_shared<RecordingMessageSink>()), mFile(file.path) {
  std::filesystem::remove(mFile);
  mConn = Connection::Create(mFile);
  Reopen();
}

void TestProject::Reopen() {
  mCompiler.reset();
  mHost.reset();
  mConn.reset();
  mConn = Connection::Open(mFile);
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
  mCompiler.reset();
  mHost.reset();
  mConn.reset();
  if (!mFile.empty()) std::filesystem::remove(mFile);
}

clsDownload& TestProject::Compiler() {
  if (!mCompiler) {
    mCompiler = std::make_unique<clsDownload>(*mHost);
    mCompiler->SetCompMsg(mSink);
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

namespace {
bool Has(const Columns& c, const std::string& name) {
  for (const auto& [n, v] : c) {
    if (n == name) return true;
  }
  return false;
}
Value Get(const Columns& c, const std::string& name) {
  for (const auto& [n, v] : c) {
    if (n == name) return v;
  }
  return {};
}
}  // namespace

int32_t TestProject::AddDisplay(Columns columns) {
  if (!Has(columns, "GUID")) columns.push_back({"GUID", mNextGuid++});
  if (!Has(columns, "PaletteID")) columns.push_back({"PaletteID", 1});
  int32_t id = static_cast<int32_t>(Insert("Pages", columns));
  Insert("DownloadDLUs", {{"Guid", Get(columns, "GUID")}, {"IsCompiled", 0}});
  return id;
}

int32_t TestProject::AddElement(Columns columns) {
  if (!Has(columns, "GUID")) columns.push_back({"GUID", mNextGuid++});
  int32_t id = static_cast<int32_t>(Insert("HMI_Elements", columns));
  Insert("DownloadDLUs", {{"Guid", Get(columns, "GUID")}, {"IsCompiled", 0}});
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

std::string TestProject::UnitHex(int32_t guid) {
  Value v = Scalar("SELECT Data FROM DownloadUnits WHERE UnitGuid=" + std::to_string(guid));
  return v.IsNull() ? std::string() : Hex(v.ToBytes());
}

int64_t TestProject::IsCompiled(int32_t guid) {
  return Scalar("SELECT IsCompiled FROM DownloadDLUs WHERE Guid=" + std::to_string(guid)).ToLong();
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
