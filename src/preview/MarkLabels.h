// The outline and number that mark an element with findings on a preview, in a colour the
// panel palette does not have, so that they never pass for part of the design.
#pragma once
#include "preview/Canvas.h"

namespace brisklet {

inline constexpr Rgb kMarkColour{255, 0, 128};

// An outline one pixel outside the frame and, above its top-left corner (inside when there
// is no room), the number in white digits on the mark colour.
void DrawMark(Canvas& canvas, const Box& frame, int32_t number);

}  // namespace brisklet
