// The panel palette: 16 basic colours, a 6 x 6 x 6 cube and 24 greys, as the companion colours
// of the colour service already count them.
#include "preview/PanelColours.h"

namespace brisklet {
namespace {

constexpr Rgb kBasic[16] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},   {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
constexpr uint8_t kCubeLevels[6] = {0, 95, 135, 175, 215, 255};

}  // namespace

Rgb PanelColour(uint32_t colour) {
  uint32_t c = colour & 0xFF;
  if (c < 16) return kBasic[c];
  if (c < 232) {
    uint32_t i = c - 16;
    return {kCubeLevels[i / 36], kCubeLevels[i / 6 % 6], kCubeLevels[i % 6]};
  }
  auto grey = static_cast<uint8_t>(8 + 10 * (c - 232));
  return {grey, grey, grey};
}

}  // namespace brisklet
