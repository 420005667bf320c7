// What the drawings of the kinds that show a value share: the frame, the field prefix of the
// kind bytes, a sample text kept inside the frame, and the label of an entry form.
#pragma once
#include <string>
#include <string_view>

#include "preview/ElementDrawing.h"

namespace brisklet {

// The frame the header's border asks for: none (width 0), one pixel in the frame colour, or two
// pixels of 3D edges, light on the top and left and dark on the bottom and right (the other
// way round when the 3D flag says sunken).
void DrawBorder(const RecordView& record, DrawingTools& tools);
// Black or white, whichever stands out from the element's colour.
Rgb FrameColour(const RecordView& record);
// The element's box, one pixel wide, in its frame colour: what such a kind draws at least.
void DrawFrame(const RecordView& record, DrawingTools& tools);
// The colour the element's texts are drawn in: the header's fore colour.
Rgb ForeColour(const RecordView& record);

// The names of the kind bytes begin with this prefix ("\"EN\" "); "" for a record of none.
std::string KindPrefix(const RecordView& record);

// Draws `text` (code-page bytes) in the kind's font ("<kind> font") at its text position, as
// much of it as fits between there and the frame's right edge, in the fore colour.
void DrawSample(const RecordView& record, const std::string& prefix, std::string_view text, DrawingTools& tools);

// The label of an entry form ("<kind> label text"), which the panel shows as the title of the
// entry's keypad: a tab on the frame's top-left corner (inside it when there is no room above),
// filled with the element's colour and outlined in its frame colour, the label in its font and
// the fore colour. Nothing for a display form or a label from the text table.
void DrawEntryLabel(const RecordView& record, const std::string& prefix, DrawingTools& tools);

}  // namespace brisklet
