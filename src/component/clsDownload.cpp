// Construction, destruction and the small public members of the component.
#include "component/clsDownload.h"

#include "base/RuntimeError.h"
#include "host/properties/ElementProperties.h"

namespace brisklet {

clsDownload::clsDownload(HostFactory& host) : DesignChecks(host) {}

clsDownload::~clsDownload() { mCompMsg.reset(); }

int clsDownload::ShowMsgbox(int32_t pID, const ParamList& pParams) {
  ActiveHost active(mHost);
  return mHost.NewMessageService()->ShowMessage(pID, {pParams});
}

void clsDownload::prvRTCMinimumSize(ElementProperties&, int32_t&, int32_t&, std::string&) {
  throw RuntimeError("Not built yet", "prvRTCMinimumSize needs the date and clock element");
}

void clsDownload::prvTimerMinimumSize(ElementProperties&, int32_t&, int32_t&, std::string&) {
  throw RuntimeError("Not built yet", "prvTimerMinimumSize needs the timer element");
}

}  // namespace brisklet
