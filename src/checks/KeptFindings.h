// The findings of the checks kept in the project between compiles, so that a compile walks
// again only the rows of what changed and reports the rest as it was found.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "database/Value.h"
#include "host/DesignMessage.h"

namespace brisklet {

// The checks whose findings are kept, numbered as the project stores them.
enum class CheckId : int32_t {
  kFonts = 1,
  kGuidClashes = 2,
  kTabIndexes = 3,
  k3DSize = 4,
  kDuplicateTouch = 5,
  kTouchAndHide = 6,
  kTouchVsSwitch = 7,
  kDuplicateVarNames = 8,
  kTrendGraphSize = 9,
  kTrendsTree = 10,  // walked afresh by every compile: nothing kept
};

enum class FindingKind : int32_t {
  kMessage = 0,
  kNotice = 1,
  kClashingElement = 2,  // displayId holds the element's ID
  kClashingDisplay = 3,  // displayId holds the display's ID
  kCheckFailed = 4,      // the check of the display failed: it runs again when the display comes
};

struct KeptFinding {
  FindingKind kind = FindingKind::kMessage;
  int32_t severity = 0;
  int32_t moduleId = 0;
  std::string location;
  std::string message;
  int32_t displayId = 0;
  MessageElement element{};
};

struct KeptRow {
  Value part;  // the display, name or GUID whose rows made it
  KeptFinding finding;
};

// Keeps one finding of a check, placed by the partition whose rows made it and the key at
// which the check's walk meets it (findings with one key keep the order they were kept in).
void KeepFinding(CheckId check, const Value& part, const Value& sortKey, const KeptFinding& finding);
// The kept findings of a check, in the order its walk over the whole project meets them.
std::vector<KeptRow> KeptFindingsOf(CheckId check);

}  // namespace brisklet
