// The project's fonts as the panel draws them: glyphs rendered by FreeType, one bit a pixel,
// from the font files kept in the project (a font without one in the default font), placed by
// the advances the compiler measured with.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/Bytes.h"
#include "preview/Canvas.h"

namespace brisklet {

class Connection;

// The font a font without its file is drawn in (the package fonts-dejavu-core puts it there).
inline constexpr const char* kDefaultFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr const char* kDefaultFontName = "DejaVu Sans";

class PanelFonts {
 public:
  // Reads the fonts of the project by download index; a font without its file is drawn with
  // the font file at `defaultFont`, at its pixel size, when that file can be read.
  PanelFonts(Connection& db, int32_t codePage, const std::string& defaultFont = kDefaultFontPath);
  ~PanelFonts();

  // Whether the font of that index has its file (else its texts are drawn in the default
  // font, or as boxes when that cannot be read either).
  bool HasFile(uint32_t index) const;
  // The fonts without a usable file, each with the reason ("has no font file in the project",
  // "has a font file in the project that FreeType cannot read (...)") and whether their texts
  // are drawn in the default font (else as boxes).
  struct Unusable {
    int32_t number;
    std::string why;
    bool inDefaultFont = false;
  };
  std::vector<Unusable> FontsWithoutFile() const;

  // The project's code page, the one the texts are drawn in.
  int32_t CodePage() const { return mCodePage; }
  // The box a line of code-page bytes takes at (0, 0): the advances the compiler measured with
  // and the font's line height.
  Box LineBox(uint32_t index, std::span<const uint8_t> text) const;

  // Draws one line of code-page bytes with its top-left corner at (x, y): its glyphs, or, for a
  // font without its file, the default font's glyphs at the same advances, or the box the line
  // takes when even the default font cannot be read.
  void DrawLine(Canvas& canvas, uint32_t index, int32_t x, int32_t y, std::span<const uint8_t> text, Rgb colour);
  // Writes `ascii` in the default font, `pixelSize` pixels, black on a white strip centred in
  // `within`: the preview's own words on a picture. False, writing nothing, without the default font.
  bool DrawCaption(Canvas& canvas, const Box& within, const std::string& ascii, int32_t pixelSize);
  // The fonts without their file that lines were drawn in since the last call, each once, as
  // "font 3 has no font file in the project: drawn in DejaVu Sans".
  std::vector<std::string> TakeStandIns();

 private:
  struct Font;
  int32_t mCodePage;
  std::vector<std::unique_ptr<Font>> mFonts;
  std::vector<uint32_t> mStandIns;  // indexes of fonts without their file drawn since TakeStandIns
  void* mLibrary = nullptr;
  std::string mDefaultFont;
  void* mCaptionFace = nullptr;  // the default font for captions, opened when first needed
  void Release();
};

}  // namespace brisklet
