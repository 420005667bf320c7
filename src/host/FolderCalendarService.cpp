// Reading a calendar file of the folder.
#include "host/FolderCalendarService.h"

#include <filesystem>
#include <fstream>

#include "base/RuntimeError.h"

namespace brisklet {

std::vector<std::string> FolderCalendarService::ReadCalendarFile(const std::string& fileName) {
  std::filesystem::path path = std::filesystem::path(mFolder) / fileName;
  if (mRead) {
    auto known = mRead->find(path.string());
    if (known != mRead->end() && !fileName.empty()) return known->second;
  }
  std::ifstream in;
  if (!fileName.empty() && std::filesystem::is_regular_file(path)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    std::string name = fileName.empty() ? "a calendar file (the language has none)" : "\"" + fileName + "\"";
    throw RuntimeError("File not found", name + " is not in " + mFolder);
  }
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  if (mRead) mRead->emplace(path.string(), lines);
  return lines;
}

}  // namespace brisklet
