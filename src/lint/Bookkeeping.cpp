// BRK105: an element or display without its DownloadDLUs row is never compiled.
#include "database/Recordset.h"
#include "lint/ItemRows.h"
#include "lint/LintRules.h"

namespace brisklet {

void CheckBookkeeping(const LintContext& context, LintFindings& found) {
  const char* unbooked = " NOT IN (SELECT Guid FROM DownloadDLUs)";
  Recordset displays(context.db,
                     std::string("SELECT ") + kDisplayPlace + kDisplays + " WHERE " + Downloaded(context) +
                         " AND Pages.GUID" + unbooked + " ORDER BY Pages.Id",
                     0, 1);
  for (; !displays.Eof(); displays.MoveNext()) {
    found.push_back(DisplayFinding(displays, 105,
                                   "the display has no bookkeeping row (DownloadDLUs, GUID " +
                                       displays.Field("DisplayGUID").SqlText() + "): it is never compiled"));
  }
  Recordset elements(context.db,
                     std::string("SELECT ") + kElementPlace + kElementsOnDisplays + " WHERE " + Downloaded(context) +
                         " AND HMI_Elements.GUID" + unbooked + " ORDER BY HMI_Elements.DisplayID, HMI_Elements.ID",
                     0, 1);
  for (; !elements.Eof(); elements.MoveNext()) {
    found.push_back(ElementFinding(elements, 105,
                                   ElementNamed(elements) + " has no bookkeeping row (DownloadDLUs, GUID " +
                                       elements.Field("ElementGUID").SqlText() + "): it is never compiled",
                                   1));
  }
}

}  // namespace brisklet
