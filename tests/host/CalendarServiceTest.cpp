// The calendar files of the data folder: lines without their ends, a missing file named.
#include <gtest/gtest.h>

#include "base/RuntimeError.h"
#include "entries/CalendarFolder.h"
#include "host/FolderCalendarService.h"

namespace brisklet::test {
namespace {

TEST(FolderCalendarService, LinesWithoutTheirEnds) {
  CalendarFolder folder;
  folder.Write("Calendar_English.txt", "//Month//\r\n//3//\r\n\r\nFeb\nMar");
  FolderCalendarService service(folder.DataDir() + "/calendar");
  EXPECT_EQ(service.ReadCalendarFile("Calendar_English.txt"),
            (std::vector<std::string>{"//Month//", "//3//", "", "Feb", "Mar"}));
}

TEST(FolderCalendarService, MissingFileOrNoFileIsNotFound) {
  CalendarFolder folder;
  FolderCalendarService service(folder.DataDir() + "/calendar");
  for (const std::string name : {"Calendar_Greek.txt", "", "."}) {
    try {
      service.ReadCalendarFile(name);
      ADD_FAILURE() << name;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Text(), "File not found");
      EXPECT_NE(e.Detail().find(folder.DataDir()), std::string::npos) << e.Detail();
    }
  }
}

}  // namespace
}  // namespace brisklet::test
