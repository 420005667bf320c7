// Default colour service. The panel palette has 256 colours: 16 basic colours (0-7 dark,
// 8-15 their bright partners), a 6x6x6 colour cube (16-231) and 24 greys (232-255).
// The companion of mode 1 is the lighter partner used for gradients and 3D edges.
#pragma once
#include "host/ColorService.h"

namespace brisklet {

// Lighter partner of a palette colour, always 0..255; "no colour" (-1, any negative) gives 0,
// and a value above 255 is taken by its low byte, as the colour byte itself is.
int32_t CompanionColor(int32_t colour);

class PaletteColorService : public ColorService {
 public:
  void GetCompanionColor(int32_t mode, int32_t colour, int32_t& result) override;
};

}  // namespace brisklet
