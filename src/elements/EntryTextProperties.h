// The property object of the entry text "EP" (VarType 30): a code operand, and two texts,
// each fixed or taken from a text source.
#pragma once
#include "elements/TextSourceProperties.h"

namespace brisklet {

// clang-format off
#define BRISKLET_ENTRY_TEXT_PROPERTIES(P) \
  P(Long, GetCodeFlag) \
  P(Long, GetCodeOperandType) P(Long, GetCodeOperandAddr) \
  P(Long, IsText1Linked) \
  P(String, GetText1) \
  P(ObjectOf<UnitsSource>, GetText1Source) \
  P(Long, GetCodeValue) \
  P(Long, GetEntryStyle) \
  P(Long, IsText2Linked) \
  P(String, GetText2) \
  P(ObjectOf<UnitsSource>, GetText2Source)
// clang-format on
BRISKLET_PROPERTIES(EntryTextProperties, BRISKLET_ENTRY_TEXT_PROPERTIES)

}  // namespace brisklet
