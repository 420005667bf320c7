// Catalogue messages and message boxes through the host.
#include "encoding/HostMessages.h"

#include "host/HostFactory.h"

namespace brisklet {

std::string GetMessageText(int32_t id, const ParamList& params) {
  return CurrentHost().NewMessageService()->MessageText(id, {params});
}

int ShowCatalogueMessage(int32_t id, const ParamList& params) {
  return CurrentHost().NewMessageService()->ShowMessage(id, {params});
}

int ShowMessageBox(const std::string& text) { return CurrentHost().NewMessageBox()->Show(text); }

}  // namespace brisklet
