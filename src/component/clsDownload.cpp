// Construction, destruction and the small public members of the component.
#include "component/clsDownload.h"

#include "elements/MinimumSize.h"

namespace brisklet {

clsDownload::clsDownload(HostFactory& host) : DesignChecks(host) {}

clsDownload::~clsDownload() { mCompMsg.reset(); }

int clsDownload::ShowMsgbox(int32_t pID, const ParamList& pParams) {
  ActiveHost active(mHost);
  return mHost.NewMessageService()->ShowMessage(pID, {pParams});
}

void clsDownload::prvRTCMinimumSize(ClockProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText) {
  ActiveHost active(mHost);
  ClockMinimumSize(pVar, pDx, pDy, pActualText);
}

void clsDownload::prvTimerMinimumSize(TimerProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText) {
  ActiveHost active(mHost);
  TimerMinimumSize(pVar, pDx, pDy, pActualText);
}

}  // namespace brisklet
