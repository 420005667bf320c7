// The property object of the text field "LA" / "EA" (VarType 15): a fixed number of
// characters held in a controller operand.
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

// GetFieldText: the design-time text the sample is made of; GetFieldLength: the number of
// characters.
// clang-format off
#define BRISKLET_TEXT_FIELD_PROPERTIES(P) \
  P(String, GetFieldText) \
  P(Long, GetFieldLength) \
  P(Long, GetFieldStyle) \
  P(Long, GetFieldOperandType) P(Long, GetFieldOperandAddr)
// clang-format on
BRISKLET_PROPERTIES(TextFieldProperties, BRISKLET_TEXT_FIELD_PROPERTIES)

}  // namespace brisklet
