// Catalogue messages and message boxes through the host.
#include "encoding/HostMessages.h"

#include "host/HostFactory.h"
#include "host/MessageBox.h"

namespace brisklet {
namespace {
thread_local HeldReports* tHeld = nullptr;
}  // namespace

HoldReports::HoldReports(HeldReports& into) : mOuter(tHeld) { tHeld = &into; }
HoldReports::~HoldReports() { tHeld = mOuter; }
HeldReports* HoldReports::Here() { return tHeld; }

std::string GetMessageText(int32_t id, const ParamList& params) {
  return CurrentHost().NewMessageService()->MessageText(id, {params});
}

int ShowCatalogueMessage(int32_t id, const ParamList& params) {
  if (tHeld) {
    tHeld->reports.push_back([id, params] { ShowCatalogueMessage(id, params); });
    return kMsgBoxOk;
  }
  return CurrentHost().NewMessageService()->ShowMessage(id, {params});
}

int ShowMessageBox(const std::string& text) {
  if (tHeld) {
    tHeld->reports.push_back([text] { ShowMessageBox(text); });
    return kMsgBoxOk;
  }
  return CurrentHost().NewMessageBox()->Show(text);
}

}  // namespace brisklet
