// The settings of the two trend graphs: "TR" (VarType 23) with its curves and "TS"
// (VarType 27) with its entries. Both place their parts by GetPartRect, one rectangle per
// part code (0 to 11), relative to the element's top-left corner.
#pragma once
#include "elements/RectProperties.h"
#include "host/properties/ElementProperties.h"

namespace brisklet {

#define BRISKLET_CURVE_PROPERTIES(P) \
  P(Long, GetCurveId)                \
  P(Long, GetCurveOperandType)       \
  P(Long, GetCurveOperandAddr)       \
  P(Long, GetCurveSetting)           \
  P(String, GetCurveName)
BRISKLET_PROPERTY_OBJECT(CurveProperties, BRISKLET_CURVE_PROPERTIES)

#define BRISKLET_TREND_PROPERTIES(P)   \
  P(Long, GetTrendNumber)              \
  P(Long, GetTrendSettingA)            \
  P(ListOf<PartRect>, GetPartRect)     \
  P(Long, GetPointSpacing)             \
  P(Long, GetXTicks)                   \
  P(Long, GetYTicks)                   \
  P(Long, GetTrendSettingB)            \
  P(Long, GetTrendSettingC)            \
  P(Long, GetTrendSettingD)            \
  P(Long, GetTrendSettingE)            \
  P(Long, GetTrendSettingF)            \
  P(Long, GetTrendSettingG)            \
  P(Long, GetButtonColor)              \
  P(Long, GetButtonTextColor)          \
  P(ListOf<CurveProperties>, GetCurves)
BRISKLET_PROPERTIES(TrendProperties, BRISKLET_TREND_PROPERTIES)

#define BRISKLET_TS_ENTRY_PROPERTIES(P) \
  P(Long, GetEntryOperand1Type)         \
  P(Long, GetEntryOperand1Addr)         \
  P(Long, GetEntrySetting)              \
  P(Long, GetEntryOperand2Type)         \
  P(Long, GetEntryOperand2Addr)         \
  P(Long, GetEntryOperand3Type)         \
  P(Long, GetEntryOperand3Addr)
BRISKLET_PROPERTY_OBJECT(TsEntryProperties, BRISKLET_TS_ENTRY_PROPERTIES)

#define BRISKLET_TS_TREND_PROPERTIES(P)      \
  P(Long, GetOperandAType)                   \
  P(Long, GetOperandAAddr)                   \
  P(Long, GetOperandBType)                   \
  P(Long, GetOperandBAddr)                   \
  P(Long, GetTsSetting1)                     \
  P(ListOf<PartRect>, GetPartRect)           \
  P(Long, GetPointSpacing)                   \
  P(Long, GetXTicks)                         \
  P(Long, GetYTicks)                         \
  P(Long, GetTsSetting2)                     \
  P(Long, GetTsSetting3)                     \
  P(Long, GetTsSetting4)                     \
  P(Long, GetTsSetting5)                     \
  P(Long, GetTsSetting6)                     \
  P(Long, GetTsSetting7)                     \
  P(Long, GetButtonColor)                    \
  P(Long, GetLabelColor)                     \
  P(Long, GetPanelColor)                     \
  P(ListOf<TsEntryProperties>, GetEntries)   \
  P(Long, GetClosingOperandType)             \
  P(Long, GetClosingOperandAddr)
BRISKLET_PROPERTIES(TsTrendProperties, BRISKLET_TS_TREND_PROPERTIES)

}  // namespace brisklet
