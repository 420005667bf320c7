// The blocks both trend graphs are made of: part rectangles, frame blocks, button blocks,
// the plot's point count and its tick counts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/Bytes.h"
#include "database/Recordset.h"
#include "elements/TrendProperties.h"

namespace brisklet {

// The element's place and the trend's part rectangles.
class TrendLayout {
 public:
  TrendLayout(Recordset& row, const std::vector<PartRect>& parts);
  // The rectangle of a part code (zero when the blob gives none).
  PartRect Part(int32_t code) const;
  // Pixel offset of a part's top-left corner on the panel.
  int32_t Position(const PartRect& part) const;
  // Frame block, 12 bytes: w, h, position, byte(ColorBack), its companion, 0, 0.
  Bytes FrameBlock(int32_t code) const;
  // Button block: w, h, position, button colour and companion, 2, label colour, 1, the
  // label's length + 1, the label's position, 6, the label and its padding (26 or 28 bytes).
  Bytes ButtonBlock(int32_t code, const std::string& label, int32_t buttonColour, int32_t labelColour) const;
  // Panel block, 12 bytes: w, h, position, byte(colour), its companion, 2, 1.
  Bytes PanelBlock(int32_t code, int32_t colour) const;

 private:
  Recordset& mRow;
  int32_t mXs, mYs;
  std::vector<PartRect> mParts;
};

// Points the plot shows: its width divided by the point spacing ("Division by zero" for 0).
int32_t PointsShown(int32_t plotWidth, int32_t pointSpacing);
// A tick count that does not fit the plot's extent is halved from the extent; `reduced` says so.
int32_t LimitedTicks(int32_t ticks, int32_t extent, bool& reduced);
// The warnings of ticks reduced on download, as the panel designer sees them.
std::string XTicksWarning(const std::string& trendText);
std::string YTicksWarning(const std::string& trendText);

}  // namespace brisklet
