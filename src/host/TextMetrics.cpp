// Measuring texts with the stored advances of a font.
#include "host/TextMetrics.h"

#include <algorithm>

#include "encoding/ByteWriter.h"
#include "encoding/CodePage.h"
#include "encoding/TextLines.h"

namespace brisklet {

int64_t LineWidth(const FontMetrics& font, const Bytes& line) {
  int64_t width = 0;
  for (uint8_t b : line) width += font.advance[b];
  return width;
}

TextExtent MeasureTextExtent(const FontMetrics& font, const std::string& text, int32_t codePage) {
  std::vector<std::string> lines = SplitAtCrLf(text);
  int64_t widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, LineWidth(font, ToCodePage(line, codePage)));
  TextExtent extent;
  extent.width = CheckedLong(widest, "text width");
  extent.height = CheckedMul(static_cast<int64_t>(lines.size()), font.lineHeight);
  return extent;
}

int32_t FrameMargin(int32_t frameStyle) {
  if (frameStyle == 1 || frameStyle == 3) return 4;
  return frameStyle == 2 ? 1 : 0;
}

}  // namespace brisklet
