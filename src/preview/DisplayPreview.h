// The preview of one display: its compiled records drawn at the panel's pixel size, the
// elements with findings outlined and numbered.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "base/Bytes.h"
#include "decoding/DecodeContext.h"
#include "preview/Canvas.h"
#include "preview/PanelFonts.h"
#include "preview/PanelImages.h"
#include "preview/TextTable.h"

namespace brisklet {

class Connection;

struct PreviewElement {
  Bytes record;      // the compiled record; empty when the element has none
  Box frame;         // its frame as designed (Xs, Ys, Dx, Dy), for the outline
  int32_t mark = 0;  // its number in the display's list of findings; 0 when it has none
};

// The panel's height: the project setting "ScreenHeight", else three quarters of the width.
int32_t ScreenHeight(Connection& db, int32_t screenWidth);

// The largest panel side the preview draws (no panel's screen comes near it), and the largest
// side of a written picture, scale included (Cairo's own limit).
constexpr int32_t kMaxPanelSide = 4096;
constexpr int32_t kMaxPictureSide = 32767;
// Refuses a panel larger than any panel, or a scale that makes the picture too large to draw,
// naming the setting.
void CheckPanelSize(int32_t width, int32_t height, int32_t scale);

// Draws the display record's background colour and image, then the elements in the given
// order, then the outlines and numbers of the marked ones.
std::unique_ptr<Canvas> DrawDisplay(const Bytes& displayRecord, const std::vector<PreviewElement>& elements,
                                    const DecodeContext& context, PanelFonts& fonts, PanelImages& images,
                                    TextTable& texts, int32_t height);

}  // namespace brisklet
