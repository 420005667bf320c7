// Catalogue messages and message boxes through the host.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/MessageService.h"

namespace brisklet {

std::string GetMessageText(int32_t id, const ParamList& params = {});
// Shows message `id` of the catalogue with its parameters, as the component's ShowMsgbox does.
int ShowCatalogueMessage(int32_t id, const ParamList& params);
// Shows a message box through the host (never blocking in the defaults).
int ShowMessageBox(const std::string& text);

// What an element's compile told, held to be told again in the same order when the walk comes
// to it (an element built ahead of the walk, on another thread).
struct HeldReports {
  std::vector<std::function<void()>> reports;
  void TellAll() const {
    for (const auto& report : reports) report();
  }
};
// While alive, the message boxes and catalogue messages shown on this thread are held in `into`
// (and answered OK, as the defaults answer), as is what the component reports there.
class HoldReports {
 public:
  explicit HoldReports(HeldReports& into);
  ~HoldReports();
  HoldReports(const HoldReports&) = delete;
  HoldReports& operator=(const HoldReports&) = delete;
  // Where this thread's reports are held, or null when they are told at once.
  static HeldReports* Here();

 private:
  HeldReports* mOuter;
};

}  // namespace brisklet
