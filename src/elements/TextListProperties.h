// The items of the text lists and the text button, and the class of the two text lists.
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

// One item: its text (or, in a linked list, the operand that supplies it), its colours and, in
// the operand text list, its two operands.
#define BRISKLET_TEXT_ITEM_PROPERTIES(P) \
  P(Long, ItemColor)                     \
  P(Long, SecondOperandAddress)          \
  P(Long, SecondOperandType)             \
  P(Long, FirstOperandAddress)           \
  P(Long, FirstOperandType)              \
  P(String, ItemText)                    \
  P(Long, ItemBackColor)                 \
  P(Long, ItemOperandType)               \
  P(Long, ItemOperandAddress)
BRISKLET_PROPERTY_OBJECT(TextItemProperties, BRISKLET_TEXT_ITEM_PROPERTIES)

// Text list (VarType 3) and operand text list (VarType 11): ItemAt(k) is element k - 1;
// IsLinked is -1 when the texts come from a linked variable, 0 for fixed texts.
#define BRISKLET_TEXT_LIST_PROPERTIES(P)    \
  P(Long, ItemCount)                        \
  P(ListOf<TextItemProperties>, ItemAt) \
  P(Long, IsLinked)
BRISKLET_PROPERTIES(TextListProperties, BRISKLET_TEXT_LIST_PROPERTIES)

}  // namespace brisklet
