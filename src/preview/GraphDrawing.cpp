// Bars, meters and trends drawn from their records. A bar's record holds no scale, so its
// scale is the panel's own: ten steps along its long side.
#include "preview/GraphDrawing.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "decoding/FieldNames.h"
#include "preview/ValueDrawing.h"

namespace brisklet {
namespace {

constexpr int32_t kGridSpacing = 4;           // the closest a trend's dotted grid lines stand
constexpr int32_t kSteps = 10;                // the steps of a bar's or a meter's scale
constexpr int32_t kTick = 3, kMajorTick = 5;  // tick lengths; the ends and the middle are major
constexpr int32_t kTrendParts = 12;           // a trend's parts are numbered 0 to 11
constexpr uint32_t kTrendFont = 0;            // the font of a trend's button labels and curve names
constexpr int32_t kNameMargin = 2;            // pixels between a curve name and its slot's edges

int32_t TickLength(int32_t step) { return step % (kSteps / 2) == 0 ? kMajorTick : kTick; }

int32_t Rounded(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

// The point `reach` pixels from the centre at `degrees` counter-clockwise from the right.
Point OnCircle(double cx, double cy, double reach, double degrees) {
  double a = degrees * M_PI / 180;
  return {Rounded(cx + reach * std::cos(a)), Rounded(cy - reach * std::sin(a))};
}

// The buttons of a trend's parts with their labels, and its other parts' frames.
void DrawTrendParts(const RecordView& r, const std::string& kind, Rgb colour, DrawingTools& t) {
  for (int32_t part = 0; part < kTrendParts; ++part) {
    std::string name = field::Counted(field::kPart, static_cast<size_t>(part));
    for (std::string_view what : {field::kFrame, field::kPanel}) {
      if (auto box = r.BoxAt(field::Prefix({kind, name, what}))) t.canvas.Frame(*box, colour);
    }
    std::string button = field::Prefix({kind, name, field::kButton});
    auto box = r.BoxAt(button);
    if (!box || box->width <= 0 || box->height <= 0) continue;
    t.canvas.Fill(*box, PanelColour(static_cast<uint32_t>(r.Number(button + std::string(field::kColour)).value_or(0))));
    t.canvas.Frame(*box, colour);
    const DecodedField* label = r.Fields().Find(button + std::string(field::kLabel));
    auto at = r.Number(button + std::string(field::kLabelPosition));
    if (!label || !at) continue;
    Point p = r.PointAt(*at);
    auto labelColour = static_cast<uint32_t>(r.Number(button + std::string(field::kLabelColour)).value_or(0));
    t.fonts.DrawLine(t.canvas, kTrendFont, p.x, p.y, r.BytesOf(*label), PanelColour(labelColour));
  }
}

// The names of the curves the record carries, side by side in part 9 (the part the compiler
// fitted each of them to): each in an equal slot of its width, cut at the slot's right edge,
// in the middle of its height.
void DrawCurveNames(const RecordView& r, const std::string& kind, Rgb colour, DrawingTools& t) {
  auto legend = r.BoxAt(field::Prefix({kind, field::Counted(field::kPart, 9), field::kFrame}));
  if (!legend || legend->width <= 0) return;
  std::vector<std::span<const uint8_t>> names;
  for (size_t curve = 1;; ++curve) {
    std::string prefix = field::Prefix({kind, field::Counted(field::kCurve, curve)});
    if (!r.Fields().Find(prefix + std::string(field::kPosition))) break;
    if (const DecodedField* name = r.Fields().Find(prefix + std::string(field::kName)); name && name->size > 0) {
      names.push_back(r.BytesOf(*name));
    }
  }
  auto count = static_cast<int32_t>(names.size());
  for (int32_t i = 0; i < count; ++i) {
    int32_t left = legend->x + i * legend->width / count, right = legend->x + (i + 1) * legend->width / count;
    std::span<const uint8_t> name = names[static_cast<size_t>(i)];
    while (!name.empty() && t.fonts.LineBox(kTrendFont, name).width > right - left - 2 * kNameMargin) {
      name = name.first(name.size() - 1);
    }
    Box line = t.fonts.LineBox(kTrendFont, name);
    t.fonts.DrawLine(t.canvas, kTrendFont, left + kNameMargin, legend->y + (legend->height - line.height) / 2, name,
                     colour);
  }
}

}  // namespace

void DrawBar(const RecordView& r, DrawingTools& t) {
  DrawFrame(r, t);
  auto box = r.BoxAt(field::Prefix({field::kHeader, field::kNormal}));
  if (!box || box->width < 2 || box->height < 2) return;
  Rgb colour = FrameColour(r);
  bool upright = box->height >= box->width;
  for (int32_t step = 0; step <= kSteps; ++step) {
    int32_t length = TickLength(step);
    if (upright) {
      int32_t y = box->y + box->height - 1 - step * (box->height - 1) / kSteps;
      t.canvas.Fill({box->x, y, std::min(length, box->width), 1}, colour);
    } else {
      int32_t x = box->x + step * (box->width - 1) / kSteps;
      t.canvas.Fill({x, box->y + box->height - std::min(length, box->height), 1, std::min(length, box->height)},
                    colour);
    }
  }
}

// The needle at the first angle (degrees counter-clockwise from the right), `needle reach`
// pixels from its centre, `needle width` wide, the tip rounded as the compiler rounds it when it
// checks the sweep. The scale's ticks end at the needle's reach; the sweep runs from the first
// angle to the second clockwise, counter-clockwise when the record says it is reversed.
void DrawMeter(const RecordView& r, DrawingTools& t) {
  DrawFrame(r, t);
  std::string meter = field::KindPart("MG");
  auto cx = r.Number(field::Name({meter, field::kCentreX})), cy = r.Number(field::Name({meter, field::kCentreY}));
  auto first = r.Number(field::Name({meter, field::kFirstAngle}));
  auto reach = r.Number(field::Name({meter, field::kNeedleReach}));
  if (!cx || !cy || !first || !reach) return;
  Rgb colour = FrameColour(r);
  auto x = static_cast<double>(*cx), y = static_cast<double>(*cy), length = static_cast<double>(*reach);
  int64_t second = r.Number(field::Name({meter, field::kSecondAngle})).value_or(*first);
  bool reversed = r.Number(field::Name({meter, field::kReversed})).value_or(0) != 0;
  int64_t sweep = ((reversed ? second - *first : *first - second) % 360 + 360) % 360;
  for (int32_t step = 0; step <= kSteps && length > kMajorTick; ++step) {
    double angle = static_cast<double>(*first) + (reversed ? 1 : -1) * static_cast<double>(sweep) * step / kSteps;
    Point outer = OnCircle(x, y, length, angle), inner = OnCircle(x, y, length - TickLength(step), angle);
    t.canvas.Line(inner.x, inner.y, outer.x, outer.y, colour);
  }
  Point tip = OnCircle(x, y, length, static_cast<double>(*first));
  auto pen =
      static_cast<int32_t>(std::max<int64_t>(1, r.Number(field::Name({meter, field::kNeedleWidth})).value_or(1)));
  t.canvas.Line(static_cast<int32_t>(*cx), static_cast<int32_t>(*cy), tip.x, tip.y, colour, pen);
}

// The plot's axes are its left and bottom edges, with a tick outside them at each of the
// `X ticks` columns and `Y ticks` rows, and a dotted grid that divides the plot into them, left
// out in a direction where the lines would stand closer than kGridSpacing pixels.
void DrawTrend(const RecordView& r, DrawingTools& t) {
  DrawFrame(r, t);
  std::string kind = field::KindPart("TR");
  if (!r.Number(field::Name({kind, field::kPlot, field::kWidth}))) kind = field::KindPart("TS");
  Rgb colour = FrameColour(r);
  DrawTrendParts(r, kind, colour, t);
  DrawCurveNames(r, kind, colour, t);
  auto plot = r.BoxAt(field::Prefix({kind, field::kPlot}));
  if (!plot || plot->width <= 0 || plot->height <= 0) return;
  int32_t right = plot->x + plot->width - 1, bottom = plot->y + plot->height - 1;
  t.canvas.Fill({plot->x, plot->y, 1, plot->height}, colour);
  t.canvas.Fill({plot->x, bottom, plot->width, 1}, colour);
  auto columns = static_cast<int32_t>(r.Number(field::Name({kind, field::kXTicks})).value_or(0));
  auto rows = static_cast<int32_t>(r.Number(field::Name({kind, field::kYTicks})).value_or(0));
  if (columns > 0 && plot->width / columns < kGridSpacing) columns = 0;
  if (rows > 0 && plot->height / rows < kGridSpacing) rows = 0;
  for (int32_t i = 0; i <= columns && columns > 0; ++i) {
    t.canvas.Fill({static_cast<int32_t>(plot->x + int64_t{i} * (plot->width - 1) / columns), bottom + 1, 1, kTick},
                  colour);
  }
  for (int32_t i = 0; i <= rows && rows > 0; ++i) {
    t.canvas.Fill({plot->x - kTick, static_cast<int32_t>(plot->y + int64_t{i} * (plot->height - 1) / rows), kTick, 1},
                  colour);
  }
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
