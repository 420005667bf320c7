// The sample text of a number, rebuilt from its record: the widest text the compiler made room
// for at the record's text position.
#pragma once
#include "preview/PanelFonts.h"
#include "preview/RecordView.h"

namespace brisklet {

// Draws a number's sample at its text position, in its font and the element's fore colour: a
// minus sign unless the flags leave the sign out, zeros for the digits before and after the
// point, then a space and the fixed units when it has them. Nothing for a record of no number.
void DrawNumberSample(const RecordView& record, Canvas& canvas, PanelFonts& fonts);

}  // namespace brisklet
