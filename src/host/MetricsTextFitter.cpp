// Fitting a text to a frame with the stored advances of its font.
#include "host/MetricsTextFitter.h"

#include "base/ByteWriter.h"
#include "base/CodePage.h"
#include "base/FrameMargin.h"
#include "base/TextLines.h"
#include "host/DefaultHost.h"
#include "host/FontMetrics.h"
#include "host/TextMetrics.h"

namespace brisklet {

// Lines are taken while the inner height has room for one more line height; in the first
// line that is too wide the characters are taken while their advances fit the inner width,
// and the text ends there. The result is always a leading part of the text (without a
// trailing CR LF). A text whose font number names no font is fitted in the first font, which
// the panel draws it in; in a project without fonts it is left whole.
std::string MetricsTextFitter::FitText() {
  auto font = LoadDrawingFont(mHost, mFont);
  if (!font) return mText;
  int64_t margin = FrameMargin(mFrameStyle);
  int64_t innerWidth = int64_t{mWidth} - 2 * margin;
  int64_t innerHeight = int64_t{mHeight} - 2 * margin;
  int64_t maxLines = font->lineHeight <= 0 ? INT64_MAX : (innerHeight < 0 ? 0 : innerHeight / font->lineHeight);
  int32_t codePage = mHost.AnsiCodePage();

  std::vector<std::string> lines = SplitAtCrLf(mText);
  size_t end = 0;        // the fitted part is mText.substr(0, end)
  size_t lineStart = 0;  // where the current line begins in mText
  for (size_t i = 0; i < lines.size(); lineStart += lines[i].size() + 2, ++i) {
    if (static_cast<int64_t>(i) >= maxLines) break;
    const std::string& line = lines[i];
    Bytes bytes = ToCodePage(line, codePage);
    int64_t width = 0;
    size_t kept = 0;
    while (kept < bytes.size() && width + font->advance[bytes[kept]] <= innerWidth)
      width += font->advance[bytes[kept++]];
    if (kept == bytes.size()) {
      if (width > innerWidth) break;  // an empty line in a frame without inner width
      end = lineStart + line.size();
      continue;
    }
    if (kept > 0) end = lineStart + CharacterOffsets(line)[kept];
    break;
  }
  return mText.substr(0, end);
}

// The text's own extent plus the frame style's margin on every side; in a project without
// fonts a text has no extent, so only the margins remain.
void MetricsTextFitter::GetMinimumSize(int32_t& width, int32_t& height) {
  int32_t margin = FrameMargin(mFrameStyle);
  width = height = 2 * margin;
  auto font = LoadDrawingFont(mHost, mFont);
  if (!font) return;
  TextExtent extent = MeasureTextExtent(*font, mText, mHost.AnsiCodePage());
  width = CheckedAdd(extent.width, 2 * margin);
  height = CheckedAdd(extent.height, 2 * margin);
}

}  // namespace brisklet
