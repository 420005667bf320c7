// A text source: where a linked text of a value element (the units of a number) comes from,
// a nested object of the element's property blob.
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

// GetSourceText: the text as the designer sees it; GetSourceOperandType: 0 for a text of the
// project's text table, else the text operand's type; GetSourceOperandAddr: the operand's
// address or the text-table index; GetSourceColor: the colour of a text-table text.
// clang-format off
#define BRISKLET_TEXT_SOURCE_PROPERTIES(P) \
  P(String, GetSourceText) \
  P(Long, GetSourceOperandType) P(Long, GetSourceOperandAddr) \
  P(Long, GetSourceColor)
// clang-format on
BRISKLET_PROPERTY_OBJECT(UnitsSource, BRISKLET_TEXT_SOURCE_PROPERTIES)

}  // namespace brisklet
