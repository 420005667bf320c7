// Default calendar files: UTF-8 text files in one folder (calendar/ of the data folder).
#pragma once
#include "host/CalendarService.h"

namespace brisklet {

class FolderCalendarService : public CalendarService {
 public:
  explicit FolderCalendarService(std::string folder) : mFolder(std::move(folder)) {}
  // A line ends at LF; a CR before it is dropped.
  std::vector<std::string> ReadCalendarFile(const std::string& fileName) override;

 private:
  std::string mFolder;
};

}  // namespace brisklet
