// The built-in host objects.
#include "host/DefaultHost.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "host/BidiFontNameService.h"
#include "host/CatalogueMessageService.h"
#include "host/ConnectionEnvironment.h"
#include "host/FolderCalendarService.h"
#include "host/FontMetrics.h"
#include "host/ImageTableService.h"
#include "host/MetricsFontInfo.h"
#include "host/MetricsTextFitter.h"
#include "host/NoticeMessageBox.h"
#include "host/PaletteColorService.h"
#include "host/Queries.h"
#include "host/SettingsScreenInfo.h"
#include "host/StoreDownloadUnit.h"
#include "host/TableDownloadOperand.h"
#include "host/TextTableService.h"
#include "host/TransactionCompileScope.h"
#include "host/ZlibDecompressor.h"

namespace brisklet {

std::string DefaultDataDir() {
  if (const char* env = std::getenv("BRISKLET_DATA_DIR"); env && *env) return env;
  std::error_code error;
  auto hasCatalogue = [&](const std::filesystem::path& dir) {
    return std::filesystem::exists(dir / "messages.txt", error);
  };
  // An installed tool finds its data beside it: PREFIX/bin/brisklet and PREFIX/share/brisklet.
  auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    auto beside = program.parent_path().parent_path() / "share" / "brisklet";
    if (hasCatalogue(beside)) return beside.string();
  }
  if (hasCatalogue(BRISKLET_DATA_DIR)) return BRISKLET_DATA_DIR;  // a build of the source tree
  return BRISKLET_INSTALLED_DATA_DIR;
}

DefaultHost::DefaultHost(Connection& conn, DefaultHostOptions options) : mConn(conn), mOptions(std::move(options)) {
  if (mOptions.dataDir.empty()) mOptions.dataDir = DefaultDataDir();
}

DefaultHost::~DefaultHost() = default;

void DefaultHost::Notice(const std::string& text) const {
  if (mNoticeTap) mNoticeTap(text);
  if (mOptions.notice) {
    mOptions.notice(text);
  } else {
    std::cerr << "notice: " << text << '\n';
  }
}

int32_t DefaultHost::AnsiCodePage() {
  if (mCache.codePage) return *mCache.codePage;
  Value v = mConn.QueryValue(kSqlCodePage).value_or(Value());
  // A code page is a whole number: 1.5 is not read as 2.
  if (v.IsNumber() && v.ToDouble() != std::floor(v.ToDouble())) {
    throw RuntimeError("Invalid code page",
                       "the project setting CodePage is " + v.SqlText() + ", expected a whole number such as 1252");
  }
  mCache.codePage = v.IsNull() ? 1252 : v.ToLong("CodePage");
  return *mCache.codePage;
}

std::unique_ptr<ProjectEnvironment> DefaultHost::NewProjectEnvironment() {
  return std::make_unique<ConnectionEnvironment>(mConn, mOptions.dataDir + "/calendar");
}
std::unique_ptr<MessageService> DefaultHost::NewMessageService() {
  return std::make_unique<CatalogueMessageService>(*this);
}
std::unique_ptr<MessageBox> DefaultHost::NewMessageBox() {
  return std::make_unique<NoticeMessageBox>([this](const std::string& t) { Notice(t); });
}
std::unique_ptr<CompileScope> DefaultHost::NewCompileScope() {
  return std::make_unique<TransactionCompileScope>(mConn);
}
std::unique_ptr<DownloadUnit> DefaultHost::NewDownloadUnit() {
  return std::make_unique<StoreDownloadUnit>(mConn, &mUnitsStored);
}
std::unique_ptr<DownloadOperand> DefaultHost::NewDownloadOperand() { return std::make_unique<TableDownloadOperand>(); }
std::unique_ptr<ScreenInfo> DefaultHost::NewScreenInfo() { return std::make_unique<SettingsScreenInfo>(*this); }
std::unique_ptr<ColorService> DefaultHost::NewColorService() { return std::make_unique<PaletteColorService>(); }
std::unique_ptr<ImageService> DefaultHost::NewImageService() { return std::make_unique<ImageTableService>(*this); }
std::unique_ptr<FontNameService> DefaultHost::NewFontNameService() { return std::make_unique<BidiFontNameService>(); }
std::unique_ptr<TextService> DefaultHost::NewTextService() {
  return std::make_unique<TextTableService>(&mCache.textCount);
}
std::unique_ptr<FontInfo> DefaultHost::NewFontInfo() { return std::make_unique<MetricsFontInfo>(*this); }
std::unique_ptr<TextFitter> DefaultHost::NewTextFitter() { return std::make_unique<MetricsTextFitter>(*this); }
std::unique_ptr<Decompressor> DefaultHost::NewDecompressor() { return std::make_unique<ZlibDecompressor>(); }
// The folder the project environment hands out.
std::unique_ptr<CalendarService> DefaultHost::NewCalendarService() {
  return std::make_unique<FolderCalendarService>(NewProjectEnvironment()->GetStringsFolder(), &mCache.calendarFiles);
}

}  // namespace brisklet
