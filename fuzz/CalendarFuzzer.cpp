// Fuzzes the calendar file reader: any file gives its sections' names or is refused with the
// compiler's run-time error naming the file and the section.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "encoding/CalendarTexts.h"
#include "host/DefaultHost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brisklet;
  static const std::string folder = "/tmp/brisklet-fuzz-calendar-" + std::to_string(getpid());
  static std::unique_ptr<Connection> db = Connection::CreateInMemory();
  static DefaultHost host = [] {
    std::filesystem::create_directories(folder + "/calendar");
    DefaultHostOptions options;
    options.dataDir = folder;
    options.notice = [](const std::string&) {};
    return DefaultHost(*db, options);
  }();
  {
    std::ofstream out(folder + "/calendar/Calendar_English.txt", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  ActiveHost active(host);
  for (int32_t mode : {2, 3, 4}) {
    try {
      CalendarSection section(0, KeypadGridOf(mode).section);
      for (int32_t i = 0; i < 64 && !section.AtEnd(); ++i) (void)section.ReadLine();
    } catch (const RuntimeError&) {
    }
  }
  return 0;
}
