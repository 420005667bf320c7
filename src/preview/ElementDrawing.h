// Drawing one element from its decoded record: what the header says of its background, then
// its first picture, what its kind draws (its row of the kind list), then its texts, static and linked.
#pragma once
#include <string>
#include <vector>

#include "preview/PanelFonts.h"
#include "preview/PanelImages.h"
#include "preview/RecordView.h"
#include "preview/TextTable.h"

namespace brisklet {

struct DrawingTools {
  Canvas& canvas;
  PanelFonts& fonts;
  PanelImages& images;
  TextTable& texts;
  std::vector<std::string> notices;  // what of the element being drawn cannot be drawn as its record says
};

// Draws the element; what cannot be drawn as its record says (a font without its file, a
// missing text or picture) is marked on the picture and added to the tools' notices.
void DrawElement(const RecordView& element, DrawingTools& tools);

// What became of an image block's picture.
enum class PictureDrawn { kNone, kDrawn, kMissing };

// Draws the picture of the image block whose fields begin with `prefix` at the block's
// position, only its pixels inside `clip` (no width: the whole screen), its key colour left
// out when the block says it is transparent. kNone when the block names no picture (CRC -1,
// or CRC 0 with image number 0); kMissing, with the clip crossed out and a notice, when the
// project has no pixels for it.
PictureDrawn DrawPicture(const RecordView& record, const std::string& prefix, const Box& clip, DrawingTools& tools);

// A box crossed out from corner to corner, its edge and diagonals in black and white so that
// they stand out on any colour: where something the record names cannot be drawn.
void DrawMissing(Canvas& canvas, const Box& box);

}  // namespace brisklet
