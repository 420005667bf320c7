// The three-way merge of two designs made from one base: by table and row key, then by column,
// and element property blobs by property; what the two sides changed differently conflicts.
#pragma once
#include <string>
#include <vector>

#include "textproject/DesignModel.h"

namespace brisklet {

// A change the two sides made differently, named as a person reads the project.
struct MergeConflict {
  std::string where;  // display 2 "Home" / element 10 "Start"; setting ScreenWidth; module 3
  std::string what;   // column Xs; property GetTextObject.Font; "" for a row deleted on one side
  // The three values as text ("absent" where a side has none); for a deleted row, what each
  // side did ("deleted in ours", "changed in theirs (Xs, Ys)").
  std::string base, ours, theirs;

  // display 2 "Home" / element 10 "Start": property GetRange: base [..], ours [..], theirs [..]
  std::string Text() const;
};

struct DesignMerge {
  DesignModel merged;  // where a change conflicts, it holds ours
  std::vector<MergeConflict> conflicts;
};

// A row changed (added, deleted) on one side only is taken from that side; the same change on
// both sides is no conflict; a row changed on both sides (or added on both against no base) is
// merged column by column, and HMI_Elements.Binary property by property when every side holding
// it is a JSON object (nested objects key by key, arrays whole; written compact with sorted keys).
DesignMerge MergeDesigns(const DesignModel& base, const DesignModel& ours, const DesignModel& theirs);

}  // namespace brisklet
