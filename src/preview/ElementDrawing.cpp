// How each element kind is drawn (the drawer column of base/ElementKinds.def). Shapes and
// pictures are drawn in full, meters with their needle at the minimum, trends with their axes and
// grid; the other kinds that show a value (bars, lists, grids) are drawn as their frames, and
// every static text of a record at the position the compiler placed it.
#include "preview/ElementDrawing.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "decoding/FieldNames.h"
#include "preview/ElementTexts.h"
#include "preview/EntryDrawing.h"
#include "preview/GraphDrawing.h"
#include "preview/LinkedTexts.h"
#include "preview/NumberSamples.h"
#include "preview/ValueDrawing.h"

namespace brisklet {
namespace {

constexpr uint32_t kOwnBackground = 0;  // header background mode: filled with the element's colour

Rgb ColourOf(const RecordView& r, const std::string& name) {
  return PanelColour(static_cast<uint32_t>(r.Number(name).value_or(0)));
}

// The four edges are boxes of no width or no height: lines, `pen` pixels thick, inside the frame.
void DrawRectangle(const RecordView& r, DrawingTools& t) {
  std::string kind = field::KindPart("RC");
  Rgb colour = ColourOf(r, field::Name({kind, field::kColour}));
  auto pen = static_cast<int32_t>(std::max<int64_t>(1, r.Number(field::Name({kind, field::kPenWidth})).value_or(1)));
  for (std::string_view edge : field::kEdges) {
    if (auto box = r.BoxAt(field::Prefix({kind, edge}))) {
      t.canvas.Fill({box->x, box->y, std::max(box->width, pen), std::max(box->height, pen)}, colour);
    }
  }
}

void DrawLine(const RecordView& r, DrawingTools& t) {
  std::string kind = field::KindPart("LI");
  auto start = r.Number(field::Name({kind, field::kLine, field::kStart}));
  auto end = r.Number(field::Name({kind, field::kLine, field::kEnd}));
  if (!start || !end) return;
  Point a = r.PointAt(*start), b = r.PointAt(*end);
  t.canvas.Line(a.x, a.y, b.x, b.y, ColourOf(r, field::Name({kind, field::kColour})),
                static_cast<int32_t>(r.Number(field::Name({kind, field::kPenWidth})).value_or(1)));
}

std::string NormalColour() { return field::Name({field::kHeader, field::kNormal, field::kColour}); }

bool OwnBackground(const RecordView& r) {
  return r.Number(field::Name({field::kHeader, field::kBackground})) == kOwnBackground;
}

// Ellipses and rounded boxes fill their own shape, not their frame, with the element's colour.
void DrawEllipse(const RecordView& r, DrawingTools& t) {
  std::string kind = field::KindPart("EL");
  auto box = r.BoxAt(field::Prefix({kind, field::kBox}));
  if (!box) return;
  if (OwnBackground(r)) t.canvas.Ellipse(*box, ColourOf(r, NormalColour()), true);
  t.canvas.Ellipse(*box, ColourOf(r, field::Name({kind, field::kColour})), false);
}

void DrawRoundedBox(const RecordView& r, DrawingTools& t) {
  std::string kind = field::KindPart("RR");
  auto box = r.BoxAt(field::Prefix({kind, field::kBox}));
  if (!box) return;
  int32_t radius = std::min(box->width, box->height) / 4;
  if (OwnBackground(r)) t.canvas.RoundedBox(*box, radius, ColourOf(r, NormalColour()), true);
  t.canvas.RoundedBox(*box, radius, ColourOf(r, field::Name({kind, field::kColour})), false);
}

// What a kind draws besides its first picture and its texts.
struct KindDrawing {
  bool fillsFrame;           // an own background fills the frame (shapes fill their outline, lines nothing)
  bool frameWithoutPicture;  // the frame stands for a picture the project has no pixels for
  void (*draw)(const RecordView&, DrawingTools&);
};

// The drawers the kind list chooses from.
constexpr KindDrawing NoDrawing{true, false, nullptr};
constexpr KindDrawing FrameDrawing{true, false, DrawFrame};
constexpr KindDrawing PictureDrawing{true, true, nullptr};
constexpr KindDrawing RectangleDrawing{true, false, DrawRectangle};
constexpr KindDrawing LineDrawing{false, false, DrawLine};
constexpr KindDrawing EllipseDrawing{false, false, DrawEllipse};
constexpr KindDrawing RoundedBoxDrawing{false, false, DrawRoundedBox};
constexpr KindDrawing MeterDrawing{true, false, DrawMeter};
constexpr KindDrawing TrendDrawing{true, false, DrawTrend};
constexpr KindDrawing ValueTextDrawing{true, false, DrawValueText};
constexpr KindDrawing BarDrawing{true, false, DrawBar};

struct KindTags {
  std::string_view tag, entryTag;
  const KindDrawing* drawing;
};

#define KIND(type, varType, tag, entryTag, download, entry, properties, background, touch, compiler, decoder, drawer) \
  {tag, entryTag, &drawer},
#define KIND_SHARED KIND
#define KIND_PENDING KIND
constexpr KindTags kKinds[] = {
#include "base/ElementKinds.def"
};
#undef KIND
#undef KIND_SHARED
#undef KIND_PENDING

// The drawer of the kind whose display or entry form has this tag; NoDrawing for an unknown tag.
const KindDrawing& DrawingOf(const std::string& tag) {
  for (const KindTags& kind : kKinds) {
    if (kind.tag == tag || (!kind.entryTag.empty() && kind.entryTag == tag)) return *kind.drawing;
  }
  return NoDrawing;
}

// The tag of the kind bytes: the field just behind the 90-byte header.
std::string KindTag(const RecordView& r) {
  for (const DecodedField& f : r.Fields().fields) {
    if (f.offset == 90 && f.name.ends_with(field::kTag) && f.value.size() >= 4) return f.value.substr(1, 2);
  }
  return "";
}

// Whether a field belongs to a picture other than the first ("picture 2 ...", "... item 2 ...").
bool OfALaterPicture(const std::string& name) {
  for (std::string_view part : {field::kPicture, field::kItem}) {
    std::string word = std::string(part) + " ", first = field::Prefix({field::Counted(part, 1)});
    size_t at = name.find(word);
    if (at != std::string::npos && name.compare(at, first.size(), first) != 0) {
      return true;
    }
  }
  return false;
}

// The first picture of the element, in the element's box: a picture button's first state, a
// list's first picture, a static picture. False when it has none the project has pixels for.
bool DrawFirstPicture(const RecordView& r, DrawingTools& t) {
  auto box = r.BoxAt(field::Prefix({field::kHeader, field::kNormal}));
  if (!box) return false;
  for (const DecodedField& f : r.Fields().fields) {
    if (!f.name.ends_with(field::kImageCrc) || OfALaterPicture(f.name)) continue;
    return DrawPicture(r, f.name.substr(0, f.name.size() - field::kImageCrc.size()), box->width, box->height, t);
  }
  return false;
}

}  // namespace

bool DrawPicture(const RecordView& r, const std::string& prefix, int32_t width, int32_t height, DrawingTools& t) {
  auto crc = r.Number(prefix + std::string(field::kImageCrc)),
       position = r.Number(prefix + std::string(field::kPosition));
  if (!crc || *crc == -1 || !position) return false;
  Point at = r.PointAt(*position);
  if (width <= 0) width = t.canvas.Width() - at.x;
  std::optional<uint8_t> key;
  if (r.Number(prefix + std::string(field::kTransparent)).value_or(0) != 0 &&
      r.Number(prefix + std::string(field::kKeyColour1)) == 255) {
    key = static_cast<uint8_t>(r.Number(prefix + std::string(field::kKeyColour2)).value_or(0));
  }
  return t.images.Draw(t.canvas, static_cast<int32_t>(*crc), {at.x, at.y, width, height}, key);
}

void DrawElement(const RecordView& element, DrawingTools& tools) {
  const KindDrawing& kind = DrawingOf(KindTag(element));
  if (kind.fillsFrame && OwnBackground(element)) {
    if (auto box = element.BoxAt(field::Prefix({field::kHeader, field::kNormal}))) {
      tools.canvas.Fill(*box, ColourOf(element, NormalColour()));
    }
  }
  if (!DrawFirstPicture(element, tools) && kind.frameWithoutPicture) DrawFrame(element, tools);
  if (kind.draw) kind.draw(element, tools);
  DrawTexts(element, tools.canvas, tools.fonts);
  DrawNumberSample(element, tools.canvas, tools.fonts);
  DrawLinkedTexts(element, tools.canvas, tools.fonts, tools.texts);
}

}  // namespace brisklet
