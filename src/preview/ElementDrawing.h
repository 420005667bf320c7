// Drawing one element from its decoded record: what the header says of its background, then
// what its kind draws (one row per tag), then its texts.
#pragma once
#include "preview/PanelFonts.h"
#include "preview/RecordView.h"

namespace brisklet {

struct DrawingTools {
  Canvas& canvas;
  PanelFonts& fonts;
};

void DrawElement(const RecordView& element, DrawingTools& tools);

}  // namespace brisklet
