// Default calendar files: UTF-8 text files in one folder (calendar/ of the data folder).
#pragma once
#include <map>
#include <string>
#include <vector>

#include "host/CalendarService.h"

namespace brisklet {

// The lines of the calendar files read so far, by path (one compile reads each file once).
using CalendarFiles = std::map<std::string, std::vector<std::string>>;

class FolderCalendarService : public CalendarService {
 public:
  explicit FolderCalendarService(std::string folder, CalendarFiles* read = nullptr)
      : mFolder(std::move(folder)), mRead(read) {}
  // A line ends at LF; a CR before it is dropped.
  std::vector<std::string> ReadCalendarFile(const std::string& fileName) override;

 private:
  std::string mFolder;
  CalendarFiles* mRead;
};

}  // namespace brisklet
