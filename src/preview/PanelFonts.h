// The project's fonts as the panel draws them: glyphs rendered by FreeType, one bit a pixel,
// from the font files kept in the project, placed by the advances the compiler measured with.
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

class PanelFonts {
 public:
  // Reads the fonts of the project by download index.
  PanelFonts(Connection& db, int32_t codePage);
  ~PanelFonts();

  // Whether the font of that index has its file (else its texts are drawn as boxes).
  bool HasFile(uint32_t index) const;
  // The fonts whose texts are drawn as boxes, each with the reason ("has no font file in the
  // project", "has a font file in the project that FreeType cannot read (...)").
  struct Unusable {
    int32_t number;
    std::string why;
  };
  std::vector<Unusable> FontsWithoutFile() const;

  // The project's code page, the one the texts are drawn in.
  int32_t CodePage() const { return mCodePage; }
  // The box a line of code-page bytes takes at (0, 0): the advances the compiler measured with
  // and the font's line height.
  Box LineBox(uint32_t index, std::span<const uint8_t> text) const;

  // Draws one line of code-page bytes with its top-left corner at (x, y): its glyphs, or, for a
  // font without its file, the box the line takes.
  void DrawLine(Canvas& canvas, uint32_t index, int32_t x, int32_t y, std::span<const uint8_t> text, Rgb colour);

 private:
  struct Font;
  int32_t mCodePage;
  std::vector<std::unique_ptr<Font>> mFonts;
  void* mLibrary = nullptr;
  void Release();
};

}  // namespace brisklet
