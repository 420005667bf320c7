// The image placement block and the look-ups of an element's images in the project.
#pragma once
#include <cstdint>

#include "base/Bytes.h"

namespace brisklet {

Bytes EncodeImageBlock(int32_t x, int32_t y, int32_t imageNumber, int32_t crc, int32_t transparency, int32_t key1,
                       int32_t key2);
int32_t GetImageBits(int32_t crc);
int32_t GetImageKeyColor8(int32_t crc);
void GetImageKeyColor16(int32_t crc, int32_t& first, int32_t& second);
Bytes UncompressBytes(const Bytes& compressed);
int32_t GetImageCrc(int32_t elementId, int32_t imageIndex);
int32_t GetImageTransparency(int32_t elementId, int32_t imageIndex);
int32_t ImageNumberOf(int32_t crc);  // the image service's number, given the project connection

}  // namespace brisklet
