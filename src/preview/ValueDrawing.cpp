// The kinds that show a value, drawn as the panel shows them before their first value: a frame
// at least, a meter's needle at its minimum, a trend's empty plot.
#include "preview/ValueDrawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "decoding/FieldNames.h"

namespace brisklet {
namespace {

constexpr int32_t kGridSpacing = 4;  // the closest a trend's dotted grid lines stand

}  // namespace

Rgb FrameColour(const RecordView& r) {
  Rgb fill = PanelColour(
      static_cast<uint32_t>(r.Number(field::Name({field::kHeader, field::kNormal, field::kColour})).value_or(0)));
  bool light = fill.r * 299 + fill.g * 587 + fill.b * 114 >= 128 * 1000;
  return light ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
}

void DrawFrame(const RecordView& r, DrawingTools& t) {
  if (auto box = r.BoxAt(field::Prefix({field::kHeader, field::kNormal}))) t.canvas.Frame(*box, FrameColour(r));
}

// A meter as the panel first shows it: its frame and its needle at the first angle (degrees
// counter-clockwise from the right), `needle reach` pixels from its centre, `needle width` wide,
// the tip rounded as the compiler rounds it when it checks the sweep.
void DrawMeter(const RecordView& r, DrawingTools& t) {
  DrawFrame(r, t);
  std::string meter = field::KindPart("MG");
  auto cx = r.Number(field::Name({meter, field::kCentreX})), cy = r.Number(field::Name({meter, field::kCentreY}));
  auto angle = r.Number(field::Name({meter, field::kFirstAngle}));
  auto reach = r.Number(field::Name({meter, field::kNeedleReach}));
  if (!cx || !cy || !angle || !reach) return;
  double a = static_cast<double>(*angle) * M_PI / 180;
  auto x = static_cast<int32_t>(std::nearbyint(static_cast<double>(*cx) + static_cast<double>(*reach) * std::cos(a)));
  auto y = static_cast<int32_t>(std::nearbyint(static_cast<double>(*cy) - static_cast<double>(*reach) * std::sin(a)));
  auto pen =
      static_cast<int32_t>(std::max<int64_t>(1, r.Number(field::Name({meter, field::kNeedleWidth})).value_or(1)));
  t.canvas.Line(static_cast<int32_t>(*cx), static_cast<int32_t>(*cy), x, y, FrameColour(r), pen);
}

// A trend as the panel first shows it, with no points yet: its frame, the plot's axes (its left
// and bottom edges) and a dotted grid that divides the plot into `X ticks` columns and `Y ticks`
// rows, left out in a direction where the lines would stand closer than kGridSpacing pixels.
void DrawTrend(const RecordView& r, DrawingTools& t) {
  DrawFrame(r, t);
  std::string kind = field::KindPart("TR");
  if (!r.Number(field::Name({kind, field::kPlot, field::kWidth}))) kind = field::KindPart("TS");
  auto plot = r.BoxAt(field::Prefix({kind, field::kPlot}));
  if (!plot || plot->width <= 0 || plot->height <= 0) return;
  Rgb colour = FrameColour(r);
  int32_t right = plot->x + plot->width - 1, bottom = plot->y + plot->height - 1;
  t.canvas.Fill({plot->x, plot->y, 1, plot->height}, colour);
  t.canvas.Fill({plot->x, bottom, plot->width, 1}, colour);
  auto columns = static_cast<int32_t>(r.Number(field::Name({kind, field::kXTicks})).value_or(0));
  auto rows = static_cast<int32_t>(r.Number(field::Name({kind, field::kYTicks})).value_or(0));
  if (columns > 0 && plot->width / columns < kGridSpacing) columns = 0;
  if (rows > 0 && plot->height / rows < kGridSpacing) rows = 0;
  // Only the part of the grid on the canvas is drawn: a plot from another program's record can
  // be far larger than the screen.
  int32_t top = std::max(plot->y, plot->y + (std::max(0, -plot->y) & ~1)), last = std::min(bottom, t.canvas.Height());
  for (int32_t i = 1; i < columns; ++i) {
    int64_t x = plot->x + int64_t{i} * (plot->width - 1) / columns;
    if (x < 0 || x >= t.canvas.Width()) continue;
    for (int32_t y = top; y < last; y += 2) t.canvas.Pixel(static_cast<int32_t>(x), y, colour);
  }
  int32_t first = plot->x + 2 + (std::max(0, -(plot->x + 2)) & ~1), end = std::min(right, t.canvas.Width() - 1);
  for (int32_t i = 1; i < rows; ++i) {
    int64_t y = plot->y + int64_t{i} * (plot->height - 1) / rows;
    if (y < 0 || y >= t.canvas.Height()) continue;
    for (int32_t x = first; x <= end; x += 2) t.canvas.Pixel(x, static_cast<int32_t>(y), colour);
  }
}

}  // namespace brisklet
