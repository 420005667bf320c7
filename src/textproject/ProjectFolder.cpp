// The text project folder and its store: files compared by size and modification time (as git
// compares them), only the changed display files read again when nothing else changed.
#include "textproject/ProjectFolder.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "database/Recordset.h"
#include "textproject/DesignRows.h"

namespace brisklet {
namespace fs = std::filesystem;
namespace {

constexpr char kStoreFolder[] = ".brisklet";

constexpr char kStoreTables[] = R"sql(
CREATE TABLE IF NOT EXISTS TextProjectFiles (Path TEXT PRIMARY KEY, Size INTEGER, MTime INTEGER, DisplayID INTEGER);
CREATE TABLE IF NOT EXISTS TextProjectPlaces (Kind INTEGER, ID INTEGER, Path TEXT, Line INTEGER, Col INTEGER,
                                              PRIMARY KEY (Kind, ID));
)sql";
constexpr int kDisplayPlace = 0;
constexpr int kElementPlace = 1;

struct FileStamp {
  int64_t size = 0;
  int64_t mtime = 0;
  bool operator==(const FileStamp&) const = default;
};

bool Skipped(const fs::path& relative) {
  std::string first = relative.begin()->string();
  return first == kStoreFolder || first == ".git";
}

std::map<std::string, FileStamp> StampsOf(const std::string& folder) {
  std::map<std::string, FileStamp> stamps;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
    fs::path relative = fs::relative(it->path(), folder);
    if (Skipped(relative)) {
      if (it->is_directory()) it.disable_recursion_pending();
      continue;
    }
    if (!it->is_regular_file()) continue;
    struct stat st {};
    if (::stat(it->path().c_str(), &st) != 0) continue;
    stamps[relative.generic_string()] = {st.st_size, int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec};
  }
  return stamps;
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw RuntimeError("Cannot read the text project", "'" + path.string() + "'");
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool IsFormFile(const std::string& path) {
  static const std::set<std::string> top = {kProjectFile, kTextsFile, kTrendsFile, kFontsFile, kImagesFile,
                                            kOrphansFile};
  return top.count(path) || IsDisplayFile(path) || path.rfind("fonts/", 0) == 0 || path.rfind("images/", 0) == 0;
}

// Books every display and element the download has no row for, as the host's editor does for
// the items it adds (IsCompiled 0: to compile).
void BookNewItems(Connection& conn) {
  conn.Execute(std::string("INSERT OR IGNORE INTO DownloadDLUs (Guid, IsCompiled) "
                           "SELECT GUID, 0 FROM Pages WHERE GUID NOT IN (SELECT Guid FROM DownloadDLUs) "
                           "UNION SELECT GUID, 0 FROM HMI_Elements WHERE GUID NOT IN (SELECT Guid FROM DownloadDLUs)"));
}

void Rollback(Connection& conn) {
  if (conn.InTransaction()) conn.Execute(std::string("ROLLBACK"));
}

// The places of the displays and elements read, and the display each file holds.
void KeepPlaces(Connection& conn, const TextRead& read, std::map<std::string, int64_t>& displayOfFile) {
  for (const auto& [kind, places] : {std::pair{kDisplayPlace, &read.displays}, std::pair{kElementPlace, &read.elements}}) {
    for (const auto& [id, at] : *places) {
      conn.Execute("INSERT OR REPLACE INTO TextProjectPlaces VALUES (?, ?, ?, ?, ?)",
                   {Value(kind), Value(id), Value(at.file), Value(at.line), Value(at.column)});
      if (kind == kDisplayPlace) displayOfFile[at.file] = id;
    }
  }
}

// Problems of rows that clash with rows of files not read this time.
void ClashProblems(const ApplyCounts& counts, const TextRead& read, std::vector<TextProblem>& problems) {
  for (const KeyClash& clash : counts.clashes) {
    int64_t id = clash.key.empty() || !clash.key[0].IntegerPtr() ? 0 : *clash.key[0].IntegerPtr();
    const auto& places = clash.table == "Pages" ? read.displays : read.elements;
    auto at = places.find(id);
    TextLocation where = at != places.end() ? at->second : TextLocation{};
    std::string what = clash.table == "Pages" ? "display" : clash.table == "HMI_Elements" ? "element" : clash.table;
    problems.push_back({where, "duplicate " + what + " " + std::to_string(id) + ": another display file has it"});
  }
}

void GuidProblems(Connection& conn, const TextRead& read, std::vector<TextProblem>& problems) {
  const std::string count =
      "SELECT (SELECT COUNT(*) FROM Pages WHERE GUID=?1) + (SELECT COUNT(*) FROM HMI_Elements WHERE GUID=?1)";
  for (const auto& [name, places] : {std::pair{"Pages", &read.displays}, std::pair{"HMI_Elements", &read.elements}}) {
    const DesignTable& table = read.design.Table(name);
    size_t column = table.ColumnIndex("GUID");
    for (const auto& [key, row] : table.rows) {
      const int64_t* guid = row[column].IntegerPtr();
      if (!guid || *guid == 0 || conn.QueryValue(count, {Value(*guid)})->ToDouble() < 2) continue;
      auto at = key[0].IntegerPtr() ? places->find(*key[0].IntegerPtr()) : places->end();
      problems.push_back({at != places->end() ? at->second : TextLocation{},
                          "duplicate GUID " + std::to_string(*guid) + ": another display file has it"});
    }
  }
}

}  // namespace

bool IsTextProjectFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec) && fs::is_regular_file(fs::path(path) / kProjectFile, ec);
}

std::string StoreOfFolder(const std::string& folder) {
  return (fs::path(folder) / kStoreFolder / "project.db").string();
}

ProjectFiles ReadFolder(const std::string& folder) {
  ProjectFiles files;
  for (const auto& [path, stamp] : StampsOf(folder)) files[path] = FileBytes(fs::path(folder) / path);
  return files;
}

size_t WriteFolder(const std::string& folder, const ProjectFiles& files) {
  size_t written = 0;
  fs::create_directories(folder);
  for (const auto& [path, stamp] : StampsOf(folder)) {
    if (IsFormFile(path) && !files.count(path)) {
      fs::remove(fs::path(folder) / path);
      ++written;
    }
  }
  for (const auto& [path, bytes] : files) {
    fs::path target = fs::path(folder) / path;
    std::error_code ec;
    if (fs::is_regular_file(target, ec) && FileBytes(target) == bytes) continue;
    fs::create_directories(target.parent_path());
    fs::path temporary = target;
    temporary += ".tmp";
    {
      std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      if (!out.flush()) throw RuntimeError("Cannot write the text project", "'" + temporary.string() + "'");
    }
    fs::rename(temporary, target);
    ++written;
  }
  fs::path ignore = fs::path(folder) / ".gitignore";
  if (!fs::exists(ignore)) {
    std::ofstream(ignore) << "# The project database brisklet keeps up to date from these files.\n/" << kStoreFolder
                          << "/\n";
  }
  return written;
}

ImportResult ImportTextForm(Connection& conn, const ProjectFiles& files) {
  TextRead read = ReadTextForm(files, true);
  if (!read.problems.empty()) return {0, std::move(read.problems)};
  conn.BeginTransaction();
  try {
    ApplyCounts counts = ApplyDesign(conn, read.design, DesignScope::Everything());
    BookNewItems(conn);
    conn.Commit();
    return {counts.Changes(), {}};
  } catch (...) {
    Rollback(conn);
    throw;
  }
}

SyncResult SyncTextProject(const std::string& folder) {
  SyncResult result;
  result.database = StoreOfFolder(folder);
  fs::create_directories(fs::path(result.database).parent_path());
  auto conn = fs::exists(result.database) ? Connection::Open(result.database) : Connection::Create(result.database);
  conn->Execute(std::string(kStoreTables));

  std::map<std::string, FileStamp> disk = StampsOf(folder);
  std::map<std::string, std::pair<FileStamp, std::optional<int64_t>>> known;
  sqlite3_stmt* stmt = conn->Prepared("SELECT Path, Size, MTime, DisplayID FROM TextProjectFiles");
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    std::optional<int64_t> display;
    if (sqlite3_column_type(stmt, 3) == SQLITE_INTEGER) display = sqlite3_column_int64(stmt, 3);
    known[reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))] = {
        {sqlite3_column_int64(stmt, 1), sqlite3_column_int64(stmt, 2)}, display};
  }
  sqlite3_reset(stmt);

  std::set<std::string> changed;
  for (const auto& [path, stamp] : disk) {
    auto it = known.find(path);
    if (it == known.end() || !(it->second.first == stamp)) changed.insert(path);
  }
  for (const auto& [path, entry] : known) {
    if (!disk.count(path)) changed.insert(path);
  }
  if (changed.empty()) return result;
  result.whole = known.empty();
  for (const std::string& path : changed) result.whole = result.whole || !IsDisplayFile(path);

  conn->BeginTransaction();
  try {
    ProjectFiles files;
    std::set<int64_t> displays;
    for (const std::string& path : result.whole ? std::set<std::string>{} : changed) {
      if (disk.count(path)) files[path] = FileBytes(fs::path(folder) / path);
      if (auto it = known.find(path); it != known.end() && it->second.second) displays.insert(*it->second.second);
    }
    if (result.whole) files = ReadFolder(folder);
    result.filesRead = files.size();
    TextRead read = ReadTextForm(files, result.whole);
    std::vector<TextProblem> problems = std::move(read.problems);
    if (problems.empty()) {
      for (const auto& [id, at] : read.displays) displays.insert(id);
      DesignScope scope = result.whole ? DesignScope::Everything() : DesignScope::Displays(displays);
      ApplyCounts counts = ApplyDesign(*conn, read.design, scope);
      result.rowsChanged = counts.Changes();
      BookNewItems(*conn);
      ClashProblems(counts, read, problems);
      if (!result.whole) GuidProblems(*conn, read, problems);
    }
    if (!problems.empty()) {
      Rollback(*conn);
      result.problems = std::move(problems);
      return result;
    }

    // What the store now knows of the files.
    if (result.whole) {
      conn->Execute(std::string("DELETE FROM TextProjectFiles"));
      conn->Execute(std::string("DELETE FROM TextProjectPlaces"));
    } else {
      for (const std::string& path : changed) {
        conn->Execute("DELETE FROM TextProjectFiles WHERE Path=?", {Value(path)});
        conn->Execute("DELETE FROM TextProjectPlaces WHERE Path=?", {Value(path)});
      }
    }
    std::map<std::string, int64_t> displayOfFile;
    KeepPlaces(*conn, read, displayOfFile);
    for (const auto& [path, stamp] : disk) {
      if (!result.whole && !changed.count(path)) continue;
      auto display = displayOfFile.find(path);
      conn->Execute("INSERT INTO TextProjectFiles VALUES (?, ?, ?, ?)",
                    {Value(path), Value(stamp.size), Value(stamp.mtime),
                     display != displayOfFile.end() ? Value(display->second) : Value()});
    }
    conn->Commit();
  } catch (...) {
    Rollback(*conn);
    throw;
  }
  return result;
}

std::optional<TextLocation> PlaceInText(Connection& store, int64_t elementId, int64_t displayId) {
  try {
    if (!store.HasTable("TextProjectPlaces")) return std::nullopt;
    for (const auto& [kind, id] : {std::pair{kElementPlace, elementId}, std::pair{kDisplayPlace, displayId}}) {
      if (id == 0) continue;
      Recordset rs(store, "SELECT Path, Line, Col FROM TextProjectPlaces WHERE Kind=? AND ID=?", {Value(kind), Value(id)});
      if (!rs.Eof()) return TextLocation{rs.Str("Path"), rs.Long("Line"), rs.Long("Col")};
    }
  } catch (const RuntimeError&) {
  }
  return std::nullopt;
}

}  // namespace brisklet
