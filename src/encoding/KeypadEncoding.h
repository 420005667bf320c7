// The two blocks behind an entry field's display part: the grid of its picker and the names
// of the grid's cells with their positions.
#pragma once
#include <cstdint>

#include "base/Bytes.h"

namespace brisklet {

// The 12-byte grid block; empty for an entry mode without a grid. The 3D flag is not used.
Bytes EncodeKeypadGridBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy, int32_t flag3D, int32_t borderWidth,
                            uint8_t colour, uint8_t colour2, int32_t entryMode);
// The calendar text block of the grid's section in the language's file; empty for an entry
// mode without a grid.
Bytes EncodeKeypadTextBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy, int32_t borderWidth, int32_t entryMode,
                            int32_t language, int32_t fontNumber, int32_t alignment, int32_t frameStyle);

}  // namespace brisklet
