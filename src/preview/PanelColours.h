// The panel's colour numbers as RGB: the fixed 256-colour palette of the panel (see
// docs/host-services.md, "Preview colours").
#pragma once
#include <cstdint>

namespace brisklet {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// The RGB of a colour byte: 0-15 the basic colours, 16-231 the 6 x 6 x 6 cube, 232-255 greys.
Rgb PanelColour(uint32_t colour);

}  // namespace brisklet
