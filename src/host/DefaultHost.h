// The factory of the built-in host objects: everything lives in the open SQLite project
// and in the data folder (message catalogue, calendar texts). It also keeps the caches that
// hold for one public call (screen width, image numbers, font metrics).
#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/HostFactory.h"

namespace brisklet {

class Connection;
struct FontMetrics;

struct DefaultHostOptions {
  std::string dataDir;                             // message catalogue, calendar/ folder
  std::function<void(const std::string&)> notice;  // where message boxes go; stderr when empty
};

// Data that holds for one public call of the compiler.
struct CallCache {
  std::optional<int32_t> screenWidth;
  std::optional<int32_t> codePage;
  std::optional<int32_t> textCount;  // entries of the text table
  std::map<int32_t, int32_t> imageNumbers;
  std::map<int32_t, std::shared_ptr<const FontMetrics>> fonts;
  bool toldNoFonts = false;  // the notice that texts cannot be measured, once per call
  std::map<std::string, std::vector<std::string>> calendarFiles;  // by path, as read
};

class DefaultHost : public HostFactory {
 public:
  DefaultHost(Connection& conn, DefaultHostOptions options = {});
  ~DefaultHost() override;

  std::unique_ptr<ProjectEnvironment> NewProjectEnvironment() override;
  std::unique_ptr<MessageService> NewMessageService() override;
  std::unique_ptr<MessageBox> NewMessageBox() override;
  std::unique_ptr<CompileScope> NewCompileScope() override;
  std::unique_ptr<DownloadUnit> NewDownloadUnit() override;
  std::unique_ptr<DownloadOperand> NewDownloadOperand() override;
  std::unique_ptr<ScreenInfo> NewScreenInfo() override;
  std::unique_ptr<ColorService> NewColorService() override;
  std::unique_ptr<ImageService> NewImageService() override;
  std::unique_ptr<FontNameService> NewFontNameService() override;
  std::unique_ptr<TextService> NewTextService() override;
  std::unique_ptr<FontInfo> NewFontInfo() override;
  std::unique_ptr<TextFitter> NewTextFitter() override;
  std::unique_ptr<Decompressor> NewDecompressor() override;
  std::unique_ptr<CalendarService> NewCalendarService() override;
  void BeginPublicCall() override { mCache = CallCache{}; }
  // ProjectSettings "CodePage", 1252 when absent.
  int32_t AnsiCodePage() override;

  Connection& Db() { return mConn; }
  CallCache& Cache() { return mCache; }
  const DefaultHostOptions& Options() const { return mOptions; }
  void Notice(const std::string& text) const;
  // Told of every notice before it goes where the options say (none: no one is told).
  void SetNoticeTap(std::function<void(const std::string&)> tap) { mNoticeTap = std::move(tap); }
  // Units written to the store since this host was made.
  int64_t UnitsStored() const { return mUnitsStored; }

 private:
  Connection& mConn;
  DefaultHostOptions mOptions;
  std::function<void(const std::string&)> mNoticeTap;
  CallCache mCache;
  std::map<int, std::string> mCatalogue;
  bool mCatalogueLoaded = false;
  int64_t mUnitsStored = 0;
  friend class CatalogueMessageService;
};

// The data folder: $BRISKLET_DATA_DIR when set; else PREFIX/share/brisklet beside an installed
// tool (PREFIX/bin); else the source tree's, when there is one; else where this build installs it.
std::string DefaultDataDir();

}  // namespace brisklet
