// The calendar text files of the environment's language folder: the day and month names of
// the entry field's picker grids, one file per language ("Calendar_English.txt", ...).
#pragma once
#include <string>
#include <vector>

namespace brisklet {

class CalendarService {
 public:
  virtual ~CalendarService() = default;
  // The lines of a calendar file, in file order, without their line ends. A file the folder
  // does not hold is the run-time error "File not found" naming the file and the folder.
  virtual std::vector<std::string> ReadCalendarFile(const std::string& fileName) = 0;

 protected:
  CalendarService() = default;
  CalendarService(const CalendarService&) = delete;
  CalendarService& operator=(const CalendarService&) = delete;
};

}  // namespace brisklet
