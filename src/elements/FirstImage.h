// The CRC of an element's first image (Image_Index 1), for the kinds that draw over it.
#pragma once
#include <cstdint>

namespace brisklet {

// -1 when the element has no first image.
int32_t FirstImageCrc(int32_t elementId);

}  // namespace brisklet
