// Drawing the kinds that show a value as text (numbers, timers, clocks, string entries, text
// fields, the entry text and the entry field) and their entry forms, from their decoded records.
#pragma once
#include "preview/ElementDrawing.h"

namespace brisklet {

// The border the header asks for, an entry form's label, and the text the panel shows before its first value: the
// record's own text where it has one (the entry text's fixed text, the picker's cell names in
// their grid), else a stand-in of the kind's shape (docs/tools.md, "preview"). A number's
// sample is drawn by DrawNumberSample.
void DrawValueText(const RecordView& record, DrawingTools& tools);

}  // namespace brisklet
