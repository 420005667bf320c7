// Catalogue messages and message boxes through the host.
#pragma once
#include <cstdint>
#include <string>

#include "host/MessageService.h"

namespace brisklet {

std::string GetMessageText(int32_t id, const ParamList& params = {});
// Shows message `id` of the catalogue with its parameters, as the component's ShowMsgbox does.
int ShowCatalogueMessage(int32_t id, const ParamList& params);
// Shows a message box through the host (never blocking in the defaults).
int ShowMessageBox(const std::string& text);

}  // namespace brisklet
