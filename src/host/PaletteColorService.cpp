// Companion colours of the 256-colour palette.
#include "host/PaletteColorService.h"

#include <algorithm>

namespace brisklet {

int32_t CompanionColor(int32_t colour) {
  if (colour < 0) return 0;
  int32_t c = colour & 0xFF;
  if (c < 8) return c + 8;  // dark basic colour -> its bright partner
  if (c < 16) return 15;    // bright basic colour -> white
  if (c < 232) {            // cube: one step lighter on each axis
    int32_t i = c - 16;
    int32_t r = std::min(5, i / 36 + 1), g = std::min(5, i / 6 % 6 + 1), b = std::min(5, i % 6 + 1);
    return 16 + 36 * r + 6 * g + b;
  }
  return std::min(255, c + 4);  // greys: four steps lighter
}

void PaletteColorService::GetCompanionColor(int32_t mode, int32_t colour, int32_t& result) {
  result = mode == 1 ? CompanionColor(colour) : (colour < 0 ? 0 : colour & 0xFF);
}

}  // namespace brisklet
