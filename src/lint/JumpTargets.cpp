// BRK102: a jump to a display that does not exist (the download leaves such a jump out).
#include "base/Constants.h"
#include "database/Recordset.h"
#include "lint/ItemRows.h"
#include "lint/LintRules.h"

namespace brisklet {

void CheckJumpTargets(const LintContext& context, LintFindings& found) {
  Recordset jumps(context.db,
                  std::string("SELECT ") + kDisplayPlace + ", HMIJumps.ID AS JumpID, HMIJumps.DispOpAddress AS Target" +
                      kDisplays + " INNER JOIN HMIJumps ON HMIJumps.PageNum = Pages.Id WHERE " + Downloaded(context) +
                      " AND NOT EXISTS (SELECT 1 FROM Pages AS Target WHERE Target.Id = HMIJumps.DispOpAddress)"
                      " ORDER BY Pages.Id, HMIJumps.ID",
                  0, 1);
  for (; !jumps.Eof(); jumps.MoveNext()) {
    found.push_back(DisplayFinding(jumps, 102,
                                   "jump " + jumps.Field("JumpID").SqlText() + " goes to display " +
                                       jumps.Field("Target").SqlText() +
                                       ", which does not exist: the download leaves the jump out"));
  }
}

}  // namespace brisklet
