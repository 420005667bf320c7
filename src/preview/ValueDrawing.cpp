// The frame, sample and label that the kinds showing a value share, from their decoded records.
#include "preview/ValueDrawing.h"

#include <algorithm>
#include <span>

#include "decoding/FieldNames.h"

namespace brisklet {
namespace {

constexpr size_t kHeaderSize = 90;  // the kind bytes begin behind the element header
constexpr int32_t kTabMargin = 2;   // pixels between a label and the edge of its tab
constexpr int32_t kEdgeWidth = 2;   // a 3D border's edges
constexpr Rgb kLightEdge{255, 255, 255}, kDarkEdge{128, 128, 128};

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

void DrawBorder(const RecordView& r, DrawingTools& t) {
  std::string normal = field::Prefix({field::kHeader, field::kNormal});
  auto box = r.BoxAt(normal);
  int64_t width = r.Number(normal + std::string(field::kBorderWidth)).value_or(0);
  if (!box || width <= 0) return;
  if (width == 1) {
    t.canvas.Frame(*box, FrameColour(r));
    return;
  }
  bool sunken = r.Number(normal + std::string(field::k3DFlag)).value_or(0) != 0;
  Rgb topLeft = sunken ? kDarkEdge : kLightEdge, bottomRight = sunken ? kLightEdge : kDarkEdge;
  t.canvas.Frame(*box, bottomRight, kEdgeWidth);
  t.canvas.Fill({box->x, box->y, box->width, kEdgeWidth}, topLeft);
  t.canvas.Fill({box->x, box->y, kEdgeWidth, box->height}, topLeft);
}

Rgb ForeColour(const RecordView& r) {
  return PanelColour(
      static_cast<uint32_t>(r.Number(field::Name({field::kHeader, field::kTouchedForeColour})).value_or(0)));
}

std::string KindPrefix(const RecordView& r) {
  for (const DecodedField& f : r.Fields().fields) {
    if (f.offset == kHeaderSize && f.name.ends_with(field::kTag)) return f.name.substr(0, f.name.size() - field::kTag.size());
  }
  return "";
}

void DrawSample(const RecordView& r, const std::string& prefix, std::string_view text, DrawingTools& t) {
  auto font = r.Number(prefix + std::string(field::kFont)), at = r.Number(prefix + std::string(field::kTextPosition));
  auto box = r.BoxAt(field::Prefix({field::kHeader, field::kNormal}));
  if (!font || !at || !box) return;
  Point p = r.PointAt(*at);
  std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  auto index = static_cast<uint32_t>(*font);
  while (!bytes.empty() && p.x + t.fonts.LineBox(index, bytes).width > box->x + box->width - 1) {
    bytes = bytes.first(bytes.size() - 1);
  }
  t.fonts.DrawLine(t.canvas, index, p.x, p.y, bytes, ForeColour(r));
}

void DrawEntryLabel(const RecordView& r, const std::string& prefix, DrawingTools& t) {
  const DecodedField* text = r.Fields().Find(prefix + field::Name({field::kLabel, field::kText}));
  auto font = r.Number(prefix + field::Name({field::kLabel, field::kFont}));
  auto box = r.BoxAt(field::Prefix({field::kHeader, field::kNormal}));
  if (!text || !font || !box || text->size == 0) return;
  auto index = static_cast<uint32_t>(*font);
  Box line = t.fonts.LineBox(index, r.BytesOf(*text));
  Box tab{box->x, box->y - line.height - kTabMargin, line.width + 2 * kTabMargin, line.height + kTabMargin};
  if (tab.y < 0) tab.y = box->y;
  t.canvas.Fill(tab, PanelColour(static_cast<uint32_t>(
                         r.Number(field::Name({field::kHeader, field::kNormal, field::kColour})).value_or(0))));
  t.canvas.Frame(tab, FrameColour(r));
  t.fonts.DrawLine(t.canvas, index, tab.x + kTabMargin, tab.y + 1, r.BytesOf(*text), ForeColour(r));
}

}  // namespace brisklet
