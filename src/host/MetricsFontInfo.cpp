// Font index, character set, line height and text placement from the metrics stored in
// tblFonts and tblFontGlyphs (loaded once per font and compile).
#include "host/MetricsFontInfo.h"

#include "base/ByteWriter.h"
#include "base/TextAnchor.h"
#include "host/DefaultHost.h"
#include "host/FontMetrics.h"
#include "host/TextMetrics.h"

namespace brisklet {

int32_t MetricsFontInfo::GetFontIndex(int32_t fontNumber) {
  auto m = LoadFontMetrics(mHost, fontNumber);
  return m ? m->index : -1;
}

int32_t MetricsFontInfo::GetFontCharset(int32_t fontNumber) {
  auto m = LoadFontMetrics(mHost, fontNumber);
  return m ? m->charset : 0;
}

int32_t MetricsFontInfo::GetLineHeight(int32_t fontNumber) {
  auto m = LoadFontMetrics(mHost, fontNumber);
  return m ? m->lineHeight : 0;
}

// The text's box hangs from the anchor point of the frame: left-aligned text starts at the
// anchor, centred text has the anchor in its middle, right-aligned text ends at it; the same
// rule up and down. A text is measured in the font the panel draws it in (the first font for
// font number 0 or a number without a font); without any font it stands at the anchor itself.
void MetricsFontInfo::MeasureText(const std::string& text, int32_t fontNumber, int32_t x, int32_t y, int32_t w,
                                  int32_t h, int32_t& outX, int32_t& outY, int32_t alignment, int32_t frameStyle) {
  int32_t anchorX = 0, anchorY = 0;
  GetTextAnchorPoint(x, y, w, h, anchorX, anchorY, alignment, frameStyle);
  outX = anchorX;
  outY = anchorY;
  auto m = LoadDrawingFont(mHost, fontNumber);
  if (!m) return;
  TextExtent extent = MeasureTextExtent(*m, text, mHost.AnsiCodePage());
  bool known = alignment >= 0 && alignment <= 8;
  int32_t column = known ? alignment % 3 : 1;  // 0 left, 1 centre, 2 right
  int32_t row = known ? alignment / 3 : 1;     // 0 top, 1 middle, 2 bottom
  outX = CheckedAdd(anchorX, -(column == 0 ? 0 : column == 1 ? extent.width / 2 : extent.width));
  outY = CheckedAdd(anchorY, -(row == 0 ? 0 : row == 1 ? extent.height / 2 : extent.height));
}

}  // namespace brisklet
