// The property objects of the string entries "LO" / "EO" (VarType 16) and "LU" / "EU"
// (VarType 19): two classes with the same getters.
#pragma once
#include "elements/EntrySourceProperties.h"

namespace brisklet {

// EntryStyle: byte 3 of the entry form's count block; DisplayStyle, DisplayOption: display
// part bytes; ModeKind and ModeVariant: the mode code (1 for kind 1 variant 2, 2 for kind 2).
// clang-format off
#define BRISKLET_STRING_ENTRY_PROPERTIES(P) \
  P(Long, EntryStyle) \
  P(Long, DisplayStyle) \
  P(Long, DisplayOption) \
  P(ObjectOf<EntrySource>, TextSource) \
  P(Long, ModeKind) P(Long, ModeVariant)
// clang-format on
BRISKLET_PROPERTIES(StringEntryProperties, BRISKLET_STRING_ENTRY_PROPERTIES)

#define BRISKLET_NO_MORE_PROPERTIES(P)
BRISKLET_PROPERTIES_EXTENDING(UnicodeEntryProperties, StringEntryProperties, BRISKLET_STRING_ENTRY_PROPERTIES,
                              BRISKLET_NO_MORE_PROPERTIES)

}  // namespace brisklet
