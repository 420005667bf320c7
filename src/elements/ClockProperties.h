// The property object of the date and clock "LC" / "EC" (VarType 5).
#pragma once
#include "elements/TextObjectProperties.h"

namespace brisklet {

// clang-format off
#define BRISKLET_CLOCK_PROPERTIES(P) \
  P(Long, GetClockEntryCode) \
  P(Long, GetClockStyle) \
  P(ObjectOf<TextObject>, GetTextObject) \
  P(Long, GetClockSetting)
// clang-format on
BRISKLET_PROPERTIES(ClockProperties, BRISKLET_CLOCK_PROPERTIES)

}  // namespace brisklet
