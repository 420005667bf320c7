// Look-ups of the project's fonts through the host: index, character set, line height,
// text placement and fitting, and the display order of right-to-left texts.
#pragma once
#include <cstdint>
#include <string>

namespace brisklet {

int32_t GetFontIndex(int32_t fontNumber);
int32_t GetFontCharset(int32_t fontNumber);
int32_t GetFontLineHeight(int32_t fontNumber);
void MeasureText(const std::string& text, int32_t fontNumber, int32_t x, int32_t y, int32_t w, int32_t h, int32_t& outX,
                 int32_t& outY, int32_t alignment, int32_t frameStyle);
int32_t GetFirstFontCrc();
std::string FitTextToFrame(int32_t xs, int32_t ys, int32_t dx, int32_t dy, const std::string& text, int32_t fontNumber,
                           int32_t flat3D);
std::string PrepareDisplayText(const std::string& text, int32_t fontNumber);

}  // namespace brisklet
