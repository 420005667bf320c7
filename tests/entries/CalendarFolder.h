// A data folder of the test's own calendar files, removed with the object.
#pragma once
#include <string>

namespace brisklet::test {

class CalendarFolder {
 public:
  CalendarFolder();
  ~CalendarFolder();
  CalendarFolder(const CalendarFolder&) = delete;
  CalendarFolder& operator=(const CalendarFolder&) = delete;
  // The data folder (its calendar/ holds the files).
  const std::string& DataDir() const { return mDataDir; }
  void Write(const std::string& fileName, const std::string& text) const;

 private:
  std::string mDataDir;
};

// Lines joined with LF, each line ended.
std::string FileLines(std::initializer_list<const char*> lines);

}  // namespace brisklet::test
