// Construction, destruction and the small public members of the component.
#include "component/clsDownload.h"

#include "elements/MinimumSize.h"

namespace brisklet {

clsDownload::clsDownload(HostFactory& host) : DesignChecks(host) {}

clsDownload::~clsDownload() {
  mCompMsgAdapter.reset();
  mCompMsg.reset();
}

void clsDownload::SetCompMsg(std::shared_ptr<MessageSink> pCompMsg) {
  mCompMsg = std::move(pCompMsg);
  mCompMsgAdapter = mCompMsg ? std::make_unique<MessageSinkAdapter>(mCompMsg) : nullptr;
}

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

void clsDownload::prvGetEntryMinimumSize(EntryFieldProperties& pVar, int32_t& pDx, int32_t& pDy, int32_t pMode,
                                         std::string& pText) {
  ActiveHost active(mHost);
  EntryMinimumSize(pVar, pDx, pDy, pMode, pText);
}

void clsDownload::prvGetCalendarNameSize(EntryFieldProperties& pVar, int32_t pKind, int32_t pLanguage,
                                         int32_t& pColumns, int32_t& pRows, int32_t& pHeight, int32_t& pWidth) {
  ActiveHost active(mHost);
  CalendarNameSize(pVar, pKind, pLanguage, pColumns, pRows, pHeight, pWidth);
}

}  // namespace brisklet
