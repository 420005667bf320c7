// The property objects of the numbers "LN" / "EN" (VarType 8 and 13) and of the numbers with
// colour ranges "NR" / "ER" (VarType 29), which have every getter of a number and a range table.
#pragma once
#include "elements/TextSourceProperties.h"
#include "host/properties/ElementProperties.h"

namespace brisklet {

// clang-format off
#define BRISKLET_NUMERIC_PROPERTIES(P) \
  P(Long, GetFormatCode) \
  P(Boolean, GetFlagA) \
  P(Boolean, GetFlagB) \
  P(Boolean, GetFlagC) \
  P(Boolean, GetFlagD) \
  P(Boolean, GetFlagE) \
  P(Long, IsUnitsLinked) \
  P(String, GetUnitsText) \
  P(ObjectOf<UnitsSource>, GetUnitsSource) \
  P(String, GetMask) \
  P(Long, GetStyleCode) \
  P(Long, GetModeCode) \
  P(Long, GetEntryOperand1Type) P(Long, GetEntryOperand1Addr) \
  P(Long, GetEntryOperand2Type) P(Long, GetEntryOperand2Addr) \
  P(Long, GetOperand1Type) P(Long, GetOperand1Addr) \
  P(Long, GetOperand2Type) P(Long, GetOperand2Addr) \
  P(Long, GetOperand3Type) P(Long, GetOperand3Addr) \
  P(Long, GetOperand4Type) P(Long, GetOperand4Addr) \
  P(Long, GetEntryCount) P(Long, GetEntryCode)
// clang-format on
BRISKLET_PROPERTIES(NumericProperties, BRISKLET_NUMERIC_PROPERTIES)

// One colour range: its two limits (operands), its code and its colour.
// clang-format off
#define BRISKLET_VALUE_RANGE_PROPERTIES(P) \
  P(Long, GetLimit1Type) P(Long, GetLimit1Addr) \
  P(Long, GetLimit2Type) P(Long, GetLimit2Addr) \
  P(Long, GetRangeCode) P(Long, GetRangeColor)
// clang-format on
BRISKLET_PROPERTY_OBJECT(ValueRange, BRISKLET_VALUE_RANGE_PROPERTIES)

// GetRange(k), k from 1, is element k-1 of the array "GetRange"; GetRangeCount is its own key.
#define BRISKLET_RANGE_NUMERIC_PROPERTIES(P) P(Long, GetRangeCount) P(ArrayOf<ValueRange>, GetRange)
BRISKLET_PROPERTIES_EXTENDING(RangeNumericProperties, NumericProperties, BRISKLET_NUMERIC_PROPERTIES,
                              BRISKLET_RANGE_NUMERIC_PROPERTIES)

}  // namespace brisklet
