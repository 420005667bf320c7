// Output paths checked against the project they come from.
#include "OutputPaths.h"

#include <filesystem>
#include <vector>

#include "base/RuntimeError.h"

namespace brisklet::cli {
namespace fs = std::filesystem;
namespace {

// The files SQLite keeps for a database: the file itself, its rollback journal, WAL and
// shared-memory index.
constexpr const char* kSqliteSuffixes[] = {"", "-journal", "-wal", "-shm"};

fs::path Resolved(const std::string& path) {
  std::error_code error;
  fs::path resolved = fs::weakly_canonical(fs::absolute(path, error), error);
  return error ? fs::path(path).lexically_normal() : resolved;
}

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  bool same = fs::equivalent(a, b, error);
  return !error && same;
}

}  // namespace

void RefuseProjectOutput(const std::string& output, const std::string& project) {
  if (output.empty() || output == "-" || project.empty()) return;
  fs::path out = Resolved(output);
  // The project's files by the name given and by the name its links resolve to: SQLite names
  // the journal after the name the project was opened by.
  std::vector<fs::path> names{fs::absolute(project).lexically_normal(), Resolved(project)};
  for (const fs::path& name : names) {
    for (const char* suffix : kSqliteSuffixes) {
      fs::path file = name.string() + suffix;
      if (Resolved(file.string()) == out || SameFile(file, out)) {
        throw RuntimeError("Cannot write the output",
                           "'" + output + "' is " + (*suffix ? "a file SQLite keeps beside" : "") +
                               (*suffix ? " the project database '" : "the project database '") + project +
                               "'; choose another path");
      }
    }
  }
}

}  // namespace brisklet::cli
