// Generated project files for the benchmarks.
#include "GeneratedProjects.h"

#include <unistd.h>

#include <filesystem>
#include <map>
#include <tuple>

#include "database/Connection.h"

namespace brisklet::bench {
namespace {

namespace fs = std::filesystem;

std::string TempName(const std::string& what) {
  return (fs::temp_directory_path() / ("brisklet-bench-" + std::to_string(getpid()) + "-" + what + ".db")).string();
}

// The files made by this program, removed at its end.
struct Files {
  std::map<std::tuple<int32_t, int32_t, GeneratorMix>, std::string> templates;
  std::string copy = TempName("work");
  ~Files() {
    for (auto& [size, path] : templates) fs::remove(path);
    fs::remove(copy);
    fs::remove(copy + "-journal");
  }
};

Files& TheFiles() {
  static Files files;
  return files;
}

}  // namespace

const std::string& TemplateProject(ProjectSize size) {
  std::string& path = TheFiles().templates[{size.displays, size.elementsPerDisplay, size.mix}];
  if (path.empty()) {
    path = TempName(std::to_string(size.displays) + "x" + std::to_string(size.elementsPerDisplay) +
                    (size.mix == GeneratorMix::EveryKind ? "-every-kind" : ""));
    fs::remove(path);
    auto db = Connection::Create(path);
    GenerateProject(*db, {size.displays, size.elementsPerDisplay, 1, size.mix});
  }
  return path;
}

std::string FreshCopy(ProjectSize size) {
  const std::string& from = TemplateProject(size);
  const std::string& to = TheFiles().copy;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing);
  return to;
}

}  // namespace brisklet::bench
