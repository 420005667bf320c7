// The preview of one display: its compiled records drawn at the panel's pixel size, the
// elements with findings outlined and numbered, what could not be drawn marked and noticed.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
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
  int32_t id = 0;    // its HMI_Elements.ID, for the notices about it
};

// Something the preview could not draw as the records say, and how it is marked instead:
// "font 3 has no font file in the project: drawn in DejaVu Sans", "text 7 is not in the text
// table: crossed out", "image 2 (CRC 0x01234567) has no 8- or 16-bit pixels in the project:
// crossed out", "display 4 is of no module (-1) and never compiled: marked as such".
struct PreviewNotice {
  int32_t elementId = 0;  // the element's ID; 0 for the display itself
  std::string text;
  bool operator==(const PreviewNotice&) const = default;
};

// Whether the display is compiled into the download: false for a display of module -1 (or
// one that does not exist).
bool DisplayIsCompiled(Connection& db, int32_t displayId);

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
// order, then the outlines and numbers of the marked ones: the number and a two-pixel outline
// just outside the frame, dashed black and white so that it stands out on any colour. What
// cannot be drawn as its record says is added to `notices` (when given), one notice per
// element and kind of trouble. A display that is not `compiled` (or has no record) is drawn
// crossed out, captioned "not compiled", with a notice.
std::unique_ptr<Canvas> DrawDisplay(const Bytes& displayRecord, const std::vector<PreviewElement>& elements,
                                    const DecodeContext& context, PanelFonts& fonts, PanelImages& images,
                                    TextTable& texts, int32_t height, std::vector<PreviewNotice>* notices = nullptr,
                                    bool compiled = true);

}  // namespace brisklet
