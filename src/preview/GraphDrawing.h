// Drawing the graphs (bars, meters, trends) from their decoded records, as the panel shows them
// before their first value.
#pragma once
#include "preview/ElementDrawing.h"

namespace brisklet {

// A bar at its minimum: the empty frame with a scale of ten steps along its long side.
void DrawBar(const RecordView& record, DrawingTools& tools);
// A meter: its frame, a scale of ten steps on the needle's sweep and its needle at the minimum.
void DrawMeter(const RecordView& record, DrawingTools& tools);
// A trend with no points yet: its frame, parts, buttons, plot axes with ticks, grid and the
// names of its curves.
void DrawTrend(const RecordView& record, DrawingTools& tools);

}  // namespace brisklet
