// The settings of a meter (VarType 21): its needle, the arc it sweeps and two values.
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

#define BRISKLET_METER_PROPERTIES(P) \
  P(Long, GetMeterSetting)           \
  P(Long, GetNeedleScale)            \
  P(Long, GetNeedlePercent)          \
  P(Long, GetNeedleWidth)            \
  P(Long, GetSweepReversed)          \
  P(Long, GetNeedleCenterX)          \
  P(Long, GetNeedleCenterY)          \
  P(Long, GetArcRotation)            \
  P(Long, GetArcSpan)                \
  P(Long, GetMeterValue1)            \
  P(Long, GetMeterValue2)
BRISKLET_PROPERTIES(MeterProperties, BRISKLET_METER_PROPERTIES)

}  // namespace brisklet
