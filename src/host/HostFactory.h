// Creates the host objects where the compiler needs them, one new object per use.
// The compiler reaches the factory of the call in progress through CurrentHost().
#pragma once
#include <memory>

#include "host/CalendarService.h"
#include "host/ColorService.h"
#include "host/CompileScope.h"
#include "host/Decompressor.h"
#include "host/DownloadOperand.h"
#include "host/DownloadUnit.h"
#include "host/FontInfo.h"
#include "host/FontNameService.h"
#include "host/ImageService.h"
#include "host/MessageBox.h"
#include "host/MessageService.h"
#include "host/ProjectEnvironment.h"
#include "host/ScreenInfo.h"
#include "host/TextFitter.h"
#include "host/TextService.h"

namespace brisklet {

class HostFactory {
 public:
  virtual ~HostFactory() = default;
  virtual std::unique_ptr<ProjectEnvironment> NewProjectEnvironment() = 0;
  virtual std::unique_ptr<MessageService> NewMessageService() = 0;
  virtual std::unique_ptr<MessageBox> NewMessageBox() = 0;
  virtual std::unique_ptr<CompileScope> NewCompileScope() = 0;
  virtual std::unique_ptr<DownloadUnit> NewDownloadUnit() = 0;
  virtual std::unique_ptr<DownloadOperand> NewDownloadOperand() = 0;
  virtual std::unique_ptr<ScreenInfo> NewScreenInfo() = 0;
  virtual std::unique_ptr<ColorService> NewColorService() = 0;
  virtual std::unique_ptr<ImageService> NewImageService() = 0;
  virtual std::unique_ptr<FontNameService> NewFontNameService() = 0;
  virtual std::unique_ptr<TextService> NewTextService() = 0;
  virtual std::unique_ptr<FontInfo> NewFontInfo() = 0;
  virtual std::unique_ptr<TextFitter> NewTextFitter() = 0;
  virtual std::unique_ptr<Decompressor> NewDecompressor() = 0;
  virtual std::unique_ptr<CalendarService> NewCalendarService() = 0;
  // Called when a public call of the compiler starts (not for calls nested inside it):
  // caches that hold for one compile are dropped here.
  virtual void BeginPublicCall() {}
  // The ANSI code page texts are downloaded in (1252 unless the project says otherwise).
  virtual int32_t AnsiCodePage() { return 1252; }

 protected:
  HostFactory() = default;
};

// The factory of the public call in progress.
HostFactory& CurrentHost();

// Makes a factory current for the lifetime of the guard; guards nest.
class ActiveHost {
 public:
  explicit ActiveHost(HostFactory& host);
  // On another thread of the call in progress: current there too, with no new call begun (the
  // call's caches hold).
  struct SameCall {};
  ActiveHost(HostFactory& host, SameCall);
  ~ActiveHost();
  ActiveHost(const ActiveHost&) = delete;
  ActiveHost& operator=(const ActiveHost&) = delete;

 private:
  HostFactory* mPrevious;
};

}  // namespace brisklet
