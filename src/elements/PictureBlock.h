// The image placement block of one picture of the picture records ("PB", "PL", "PR").
#pragma once
#include <cstdint>

#include "base/Bytes.h"
#include "database/Recordset.h"
#include "elements/PictureProperties.h"

namespace brisklet {

// 14 bytes: the picture at the element's top-left corner, with its image number and CRC, and,
// when it is transparent, the key colour of its first pixel.
Bytes PicturePlacementBlock(Recordset& row, const PictureProperties& picture, int32_t imageNumber);

}  // namespace brisklet
