// The metrics of one project font as stored in the project database.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

namespace brisklet {

class DefaultHost;

struct FontMetrics {
  int32_t fontNumber = 0;
  int32_t index = -1;   // position of the font in the download's font list (tblFonts by id)
  int32_t charset = 0;  // Windows character set code (177 = Hebrew)
  int32_t lineHeight = 0;
  int32_t ascent = 0;
  std::array<int32_t, 256> advance{};  // advance width of each code-page byte
};

// The metrics of a font number, or null when the project has no such font.
std::shared_ptr<const FontMetrics> LoadFontMetrics(DefaultHost& host, int32_t fontNumber);
// The font a text is drawn in: its own, or for font number 0 and any number without a font,
// the first font of the download's list (index 0), as the panel does. Null only when the
// project has no font at all, which a notice says once per compile.
std::shared_ptr<const FontMetrics> LoadDrawingFont(DefaultHost& host, int32_t fontNumber);

}  // namespace brisklet
