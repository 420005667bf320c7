// The property classes of the kinds whose properties the element header reads.
#pragma once
#include "elements/PictureProperties.h"
#include "elements/TextListProperties.h"
#include "host/properties/ElementProperties.h"

namespace brisklet {

// Picture button (VarType 1) and text button (VarType 2): buttons that may work as a switch.
// The picture button has two pictures (Image(1), Image(2)); the text button two items, one per
// state (ItemAt(1), ItemAt(2)), fixed texts or, with IsLinked -1, texts of a linked variable.
#define BRISKLET_BUTTON_PROPERTIES(P)     \
  P(Boolean, IsSwitch)                    \
  P(ListOf<PictureProperties>, Image) \
  P(Long, IsLinked)                       \
  P(ListOf<TextItemProperties>, ItemAt)
BRISKLET_PROPERTIES(ButtonProperties, BRISKLET_BUTTON_PROPERTIES)

// Entry field (VarType 6): its entry mode picks the keypad-like grid.
#define BRISKLET_ENTRY_FIELD_PROPERTIES(P) P(Long, EntryMode)
BRISKLET_PROPERTIES(EntryFieldProperties, BRISKLET_ENTRY_FIELD_PROPERTIES)

}  // namespace brisklet
