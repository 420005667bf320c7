// Measuring texts with the stored advances of a font.
#include "host/TextMetrics.h"

#include <algorithm>

#include "base/ByteWriter.h"
#include "base/CodePage.h"
#include "base/TextLines.h"

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

}  // namespace brisklet
