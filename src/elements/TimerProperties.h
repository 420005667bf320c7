// The property object of the timer "LT" / "ET" (VarType 7).
#pragma once
#include "elements/TextObjectProperties.h"

namespace brisklet {

// clang-format off
#define BRISKLET_TIMER_PROPERTIES(P) \
  P(Long, GetTimerEntryCode) \
  P(Long, GetTimerStyle) \
  P(ObjectOf<TextObject>, GetTextObject) \
  P(Long, GetTimerSettingA) P(Long, GetTimerSettingB) \
  P(Long, GetTimerKind) P(Long, GetTimerSubKind)
// clang-format on
BRISKLET_PROPERTIES(TimerProperties, BRISKLET_TIMER_PROPERTIES)

}  // namespace brisklet
