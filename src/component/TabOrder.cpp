// Tab-order normalisation: the tab indexes of each display run without gaps from its first
// element's value; every renumbered element must be compiled again.
#include "base/ByteWriter.h"
#include "base/RuntimeError.h"
#include "component/Queries.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "encoding/HostMessages.h"
#include "host/RecordsetAccess.h"

namespace brisklet {
namespace {
constexpr int32_t kNotInTabOrder = 255;
}  // namespace

void clsDownload::prvNormalizeTabOrder() { prvWalkTabOrder(*GetRecordset(kSqlTabOrder, 0, 3)); }

// The displays that changed since the last compile (the others are in order already), or all.
void clsDownload::prvNormalizeChangedTabOrder(bool everything) {
  prvWalkTabOrder(*GetRecordset(everything ? kSqlTrackedTabOrder : kSqlChangedTabOrder, 0, 3));
}

void clsDownload::prvWalkTabOrder(Recordset& rows) {
  Recordset* rs = &rows;
  int32_t currentDisplay = 0;
  int32_t previousTab = 0;
  for (; !rs->Eof(); rs->MoveNext()) {
    ErrorScope scope(
        [rs] { return "element " + rs->Field("ID").SqlText() + " on display " + rs->Field("DisplayID").SqlText(); });
    int32_t displayId = rs->Field("DisplayID").ToLong("DisplayID");
    int32_t tab = rs->Field("TabIndex").ToLong("TabIndex");
    if (displayId != currentDisplay) {
      currentDisplay = displayId;  // the tab order restarts at each display
    } else if (int64_t{tab} - previousTab != 1) {
      tab = CheckedAdd(previousTab, 1);
      // 255 means "not in the tab order": an element renumbered to it silently leaves the
      // order, so the run says so.
      if (tab == kNotInTabOrder) {
        ShowMessageBox("element " + rs->Field("ID").SqlText() + " on display " + std::to_string(displayId) +
                       " was renumbered to tab index 255, which means \"not in the tab order\": the display has "
                       "more elements in its tab order than the indexes up to 254 can number");
      }
      rs->SetField("TabIndex", Value(tab));
      // The GUID is bound, never pasted into the text: a cell may hold anything.
      rs->ActiveConnection().Execute(kSqlMarkRenumbered + std::string("?"), {rs->Field("Guid")});
      rs->Update();
    }
    previousTab = tab;
  }
}

}  // namespace brisklet
