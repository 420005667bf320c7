// brisklet font add DB FONTFILE --size PX --number N [--charset C]: measures a font file at
// a pixel size and stores its metrics in the project as font number N (in a text project, in
// its files too).
#include <cstdio>
#include <iostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "host/FontFile.h"
#include "host/ProjectFonts.h"
#include "textproject/DesignRows.h"
#include "textproject/ProjectFolder.h"

namespace brisklet::cli {
namespace {

struct FontOptions {
  std::string db;
  std::string file;
  int32_t size = 0;
  int32_t number = 0;
  int32_t charset = -1;  // -1: the character set of the project's code page
  int busyTimeout = 5;
};

int AddFont(const FontOptions& o) {
  return ExitCodeOf([&o] {
    OpenOptions open;
    open.busyTimeoutSeconds = o.busyTimeout;
    open.waiting = [](const std::string& text) { std::cerr << "brisklet: " << text << std::endl; };
    auto conn = Connection::Open(ProjectDatabase(o.db), open);
    DefaultHost host(*conn);
    int32_t codePage = host.AnsiCodePage();
    MeasuredFont font = MeasureFontFile(o.file, o.size, codePage);
    int32_t charset = o.charset >= 0 ? o.charset : CharsetOfCodePage(codePage);
    int64_t marked = InstallFont(*conn, o.number, charset, font);
    if (IsTextProjectFolder(o.db)) {  // the files are the project: the font goes into them too
      WriteFolder(o.db, WriteTextForm(ReadDesign(*conn)));
      SyncTextProject(o.db);
    }
    char crc[16];
    std::snprintf(crc, sizeof crc, "%08X", font.crc);
    std::cout << "font " << o.number << ": " << font.name << " " << font.pixelSize << " px, line height "
              << font.lineHeight << ", ascent " << font.ascent << ", " << font.advances.size()
              << " characters of code page " << codePage << ", charset " << charset << ", CRC " << crc << "; " << marked
              << " elements to compile again\n";
    return 0;
  });
}

}  // namespace

void AddFontCommand(CLI::App& app, int& exitCode) {
  static FontOptions add;
  auto* font = app.add_subcommand("font", "Manage the fonts of a project");
  font->require_subcommand(1);
  auto* cmd = font->add_subcommand("add",
                                   "Measure a TrueType/OpenType file at a pixel size and store it as a "
                                   "project font (replacing a font of that number)");
  cmd->add_option("DB", add.db, "Project database file")->required();
  cmd->add_option("FONTFILE", add.file, "TrueType or OpenType font file")->required();
  cmd->add_option("--size", add.size, "Pixel size (the em height in pixels)")->required()->check(CLI::Range(1, 1000));
  cmd->add_option("--number", add.number, "Font number, as elements name it in FontNumber (not 0)")
      ->required()
      ->check(CLI::Range(1, INT32_MAX));
  cmd->add_option("--charset", add.charset,
                  "Windows character set code (default: that of the project's code page, 177 for 1255)")
      ->check(CLI::Range(0, 255));
  cmd->add_option("--busy-timeout", add.busyTimeout, "Seconds to wait for another program's lock on the project")
      ->check(CLI::Range(0, 86400));
  cmd->callback([&exitCode] { exitCode = AddFont(add); });
}

}  // namespace brisklet::cli
