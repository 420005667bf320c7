// The settings of a cell layout (VarType 24): two settings, two 8-byte values and the cells
// the designer laid out for the element's size and frame, 14 bytes each.
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

#define BRISKLET_CELL_LAYOUT_PROPERTIES(P) \
  P(Long, GetCellSetting1)                 \
  P(LongLong, GetCellValue1)               \
  P(LongLong, GetCellValue2)               \
  P(Long, GetCellSetting2)                 \
  P(Long, GetCellCount)                    \
  P(ByteArray, GetCellEntries)
BRISKLET_PROPERTIES(CellLayoutProperties, BRISKLET_CELL_LAYOUT_PROPERTIES)

}  // namespace brisklet
