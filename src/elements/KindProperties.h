// The property classes of the kinds whose properties the element header reads.
#pragma once
#include "elements/EntrySourceProperties.h"
#include "elements/PictureProperties.h"
#include "elements/TextListProperties.h"
#include "host/properties/ElementProperties.h"

namespace brisklet {

// Picture button (VarType 1) and text button (VarType 2): buttons that may work as a switch.
// The picture button has two pictures (Image(1), Image(2)); the text button two items, one per
// state (ItemAt(1), ItemAt(2)), fixed texts or, with IsLinked -1, texts of a linked variable.
#define BRISKLET_BUTTON_PROPERTIES(P) \
  P(Boolean, IsSwitch)                \
  P(ListOf<PictureProperties>, Image) \
  P(Long, IsLinked)                   \
  P(ListOf<TextItemProperties>, ItemAt)
BRISKLET_PROPERTIES(ButtonProperties, BRISKLET_BUTTON_PROPERTIES)

// Entry field "LF" / "EF" (VarType 6): its entry mode picks the keypad-like grid (1 a time,
// 2 day of the week, 3 day of the month, 4 month, 5 a number) and GridTextOption the language
// of the grid's names; EntryStyle counts in the entry form only.
// clang-format off
#define BRISKLET_ENTRY_FIELD_PROPERTIES(P) \
  P(Long, EntryMode) \
  P(Long, EntryStyle) \
  P(Long, DisplayStyle) \
  P(Long, GridTextOption) \
  P(ObjectOf<EntrySource>, TextSource)
// clang-format on
BRISKLET_PROPERTIES(EntryFieldKeys, BRISKLET_ENTRY_FIELD_PROPERTIES)

class EntryFieldProperties : public EntryFieldKeys {
 public:
  // The text object the size service measures with is the text source itself.
  EntrySource GetTextObject() const { return TextSource(); }
};

}  // namespace brisklet
