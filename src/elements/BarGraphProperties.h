// The settings of a bar graph (VarType 9).
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

#define BRISKLET_BAR_GRAPH_PROPERTIES(P) \
  P(Long, GetBarSetting1)                \
  P(Long, GetBarSetting2)                \
  P(Long, GetBarOperand1Type)            \
  P(Long, GetBarOperand1Addr)            \
  P(Long, GetBarOperand2Type)            \
  P(Long, GetBarOperand2Addr)
BRISKLET_PROPERTIES(BarGraphProperties, BRISKLET_BAR_GRAPH_PROPERTIES)

}  // namespace brisklet
