// The property classes of the kinds whose properties the element header reads.
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

// Picture button (VarType 1) and text button (VarType 2): buttons that may work as a switch.
#define BRISKLET_BUTTON_PROPERTIES(P) P(Boolean, IsSwitch)
BRISKLET_PROPERTIES(ButtonProperties, BRISKLET_BUTTON_PROPERTIES)

// Entry field (VarType 6): its entry mode picks the keypad-like grid.
#define BRISKLET_ENTRY_FIELD_PROPERTIES(P) P(Long, EntryMode)
BRISKLET_PROPERTIES(EntryFieldProperties, BRISKLET_ENTRY_FIELD_PROPERTIES)

}  // namespace brisklet
