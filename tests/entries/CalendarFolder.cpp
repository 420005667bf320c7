// The test calendar folder.
#include "entries/CalendarFolder.h"

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>

namespace brisklet::test {

CalendarFolder::CalendarFolder() {
  static std::atomic<int> next{0};
  mDataDir = (std::filesystem::temp_directory_path() /
              ("brisklet-calendars-" + std::to_string(getpid()) + "-" + std::to_string(next++)))
                 .string();
  std::filesystem::create_directories(mDataDir + "/calendar");
}

CalendarFolder::~CalendarFolder() { std::filesystem::remove_all(mDataDir); }

void CalendarFolder::Write(const std::string& fileName, const std::string& text) const {
  std::ofstream(mDataDir + "/calendar/" + fileName, std::ios::binary) << text;
}

std::string FileLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\n";
  return text;
}

}  // namespace brisklet::test
