// The items of the text lists and the text button.
#include "elements/TextItems.h"

#include "base/RuntimeError.h"
#include "elements/ElementHeader.h"
#include "encoding/FontLookups.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/TextEncoding.h"

namespace brisklet {

TextItemFrame::TextItemFrame(Recordset& row, int32_t isLinked)
    : mXs(row.Long("Xs")),
      mYs(row.Long("Ys")),
      mDx(row.Long("Dx")),
      mDy(row.Long("Dy")),
      mFont(row.Long("FontNumber")),
      mAlignment(row.Long("Alignment")),
      mFlat3D(row.Long("Flat3D")),
      mBorderWidth(prvGetBorderWidth(row.Long("Type"), row.Long("VarType"), mFlat3D)),
      mBorder3D(prvGetBorder3DFlag(mFlat3D)),
      mIsLinked(isLinked),
      mText(row.Str("Text")) {}

bool TextItemFrame::Fits(const TextItemProperties& item) const {
  return FitTextToFrame(mXs, mYs, mDx, mDy, item.ItemText(), mFont, mFlat3D) == item.ItemText();
}

Bytes TextItemFrame::GeometryBlock(const TextItemProperties& item) const {
  return EncodeGeometryBlock(mXs, mYs, mDx, mDy, item.ItemBackColor(), mBorderWidth, mBorder3D);
}

Bytes TextItemFrame::TextBlock(const TextItemProperties& item, TextService& service) const {
  if (mIsLinked == -1) {
    return EncodeLinkedTextBlock(service, item.ItemOperandAddress(), item.ItemOperandType(), mXs, mYs, mDx, mDy, mText,
                                 mFont, item.ItemColor(), mAlignment, mFlat3D);
  }
  return EncodeStaticTextBlock(mXs, mYs, mDx, mDy, item.ItemText(), mFont, item.ItemColor(), mAlignment, mFlat3D);
}

uint8_t TextSourceByte(int32_t isLinked) { return isLinked != 0 ? 2 : 1; }

std::string ItemsFitWarning(const std::string& elementText) {
  return elementText + " is too small to fit text inside. Please resize it to solve the problem.";
}

int32_t ItemCountOf(const TextListProperties& list) {
  int32_t n = list.ItemCount();
  if (n < 0) throw RuntimeError("Subscript out of range", "ItemCount is " + std::to_string(n));
  return n;
}

}  // namespace brisklet
