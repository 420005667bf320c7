// Drawing one element from its decoded record: what the header says of its background, then
// its first picture, what its kind draws (its row of the kind list), then its texts, static and linked.
#pragma once
#include <string>

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
};

void DrawElement(const RecordView& element, DrawingTools& tools);

// Draws the picture of the image block whose fields begin with `prefix`, `width` pixels a row
// (0: to the screen's right edge) and at most `height` rows (0: all its rows), its key colour
// left out when the block says it is transparent. False, drawing nothing, when the block names
// no picture or the project has no pixels for it.
bool DrawPicture(const RecordView& record, const std::string& prefix, int32_t width, int32_t height,
                 DrawingTools& tools);

}  // namespace brisklet
