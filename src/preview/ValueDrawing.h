// Drawing the kinds that show a value (meters, trends and the rest) as the panel shows them
// before their first value, from their decoded records.
#pragma once
#include "preview/ElementDrawing.h"

namespace brisklet {

// Black or white, whichever stands out from the element's colour.
Rgb FrameColour(const RecordView& record);
// The element's box, one pixel wide, in its frame colour: what such a kind draws at least.
void DrawFrame(const RecordView& record, DrawingTools& tools);
void DrawMeter(const RecordView& record, DrawingTools& tools);
void DrawTrend(const RecordView& record, DrawingTools& tools);

}  // namespace brisklet
