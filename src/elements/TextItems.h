// What the text lists ("LL", "LR") and the text button ("LB") share: every item is drawn in
// the element's own frame, font, alignment and frame style, as a 12-byte geometry block in
// the item's back colour followed by a text block.
#pragma once
#include <cstdint>
#include <string>

#include "base/Bytes.h"
#include "database/Recordset.h"
#include "elements/TextListProperties.h"

namespace brisklet {

class TextService;

class TextItemFrame {
 public:
  // `isLinked` is the list's IsLinked: -1 sends every item as a text of its operand.
  TextItemFrame(Recordset& row, int32_t isLinked);
  // Whether the item's whole text fits the frame.
  bool Fits(const TextItemProperties& item) const;
  // The frame in the item's back colour, with the element's border.
  Bytes GeometryBlock(const TextItemProperties& item) const;
  // The item's text in its colour: linked to the item's operand, or the text itself.
  Bytes TextBlock(const TextItemProperties& item, TextService& service) const;

 private:
  int32_t mXs, mYs, mDx, mDy, mFont, mAlignment, mFlat3D;
  int32_t mBorderWidth, mBorder3D, mIsLinked;
  std::string mText;  // the element's Text, which the linked block takes but does not send
};

// Byte 2 of the heads: 2 when the texts come from a linked variable (IsLinked not 0), else 1.
uint8_t TextSourceByte(int32_t isLinked);
// The one warning of an element with an item whose text does not fit its frame.
std::string ItemsFitWarning(const std::string& elementText);
// The item count of a list's head; a negative count has no table to build.
int32_t ItemCountOf(const TextListProperties& list);

}  // namespace brisklet
