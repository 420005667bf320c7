// The image entries of a text project whose pixels are PNG files: the row a PNG gives, and the
// PNGs a person put into images/ without an entry.
#pragma once
#include <string>
#include <string_view>

#include "textproject/DesignModel.h"

namespace brisklet {

// Fills an image row from its PNG at the row's Bits: the packed pixels, the CRC when the row has
// none, and the width when the PNG is not as wide as its pixels' own (always for a new picture,
// `newPicture`). The error's text ("" when done).
std::string PngIntoImageRow(const DesignTable& images, Row& row, std::string_view png, const std::string& path,
                            bool newPicture = false);

// Whether a path is a PNG of images/ (which, when no entry names it, is a new picture).
bool IsLoosePicture(const std::string& path);
// A new picture's row: numbered after the images read so far, 16 bits.
Row NewImageRow(const DesignTable& images);

}  // namespace brisklet
