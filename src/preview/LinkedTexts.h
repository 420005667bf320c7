// Linked texts of a record that name a text of the text table, drawn where the panel puts them:
// aligned on their anchor as their alignment code says.
#pragma once
#include <string>
#include <vector>

#include "preview/PanelFonts.h"
#include "preview/RecordView.h"
#include "preview/TextTable.h"

namespace brisklet {

// Draws each linked text block of the record that names a text-table text (the blocks without
// a text operand), of a list's items only the first, in its font and colour: a left, centre or
// right column and a top, middle or bottom row of the alignment code put the text's left
// edge, middle or right edge and its top, middle or bottom on the anchor. An index the text
// table has no text for is a crossed-out square of the font's line height, aligned as the
// text would be, and a notice.
void DrawLinkedTexts(const RecordView& record, Canvas& canvas, PanelFonts& fonts, TextTable& texts,
                     std::vector<std::string>& notices);

}  // namespace brisklet
