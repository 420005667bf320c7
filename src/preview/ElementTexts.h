// The static texts of a record, found by their fields: each line's position and characters,
// in the font and colour of the text block they belong to.
#pragma once
#include "preview/PanelFonts.h"
#include "preview/RecordView.h"

namespace brisklet {

// Draws every line of every static text block of the record; of a list's items only the
// first, the one the panel shows until its operand says otherwise.
void DrawTexts(const RecordView& record, Canvas& canvas, PanelFonts& fonts);

}  // namespace brisklet
