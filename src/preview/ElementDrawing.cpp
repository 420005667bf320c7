// How each element kind is drawn (the drawer column of base/ElementKinds.def). Shapes and
// pictures are drawn in full, meters with their needle at the minimum, trends with their axes and
// grid; the other kinds that show a value (bars, lists, grids) are drawn as their frames, and
// every static text of a record at the position the compiler placed it.
#include "preview/ElementDrawing.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "preview/ElementTexts.h"
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
  Rgb colour = ColourOf(r, "\"RC\" colour");
  auto pen = static_cast<int32_t>(std::max<int64_t>(1, r.Number("\"RC\" pen width").value_or(1)));
  for (const char* edge : {"top edge", "right edge", "bottom edge", "left edge"}) {
    if (auto box = r.BoxAt(std::string("\"RC\" ") + edge + " ")) {
      t.canvas.Fill({box->x, box->y, std::max(box->width, pen), std::max(box->height, pen)}, colour);
    }
  }
}

void DrawLine(const RecordView& r, DrawingTools& t) {
  auto start = r.Number("\"LI\" line start"), end = r.Number("\"LI\" line end");
  if (!start || !end) return;
  Point a = r.PointAt(*start), b = r.PointAt(*end);
  t.canvas.Line(a.x, a.y, b.x, b.y, ColourOf(r, "\"LI\" colour"),
                static_cast<int32_t>(r.Number("\"LI\" pen width").value_or(1)));
}

bool OwnBackground(const RecordView& r) { return r.Number("\"VT\" background") == kOwnBackground; }

// Ellipses and rounded boxes fill their own shape, not their frame, with the element's colour.
void DrawEllipse(const RecordView& r, DrawingTools& t) {
  auto box = r.BoxAt("\"EL\" box ");
  if (!box) return;
  if (OwnBackground(r)) t.canvas.Ellipse(*box, ColourOf(r, "\"VT\" normal colour"), true);
  t.canvas.Ellipse(*box, ColourOf(r, "\"EL\" colour"), false);
}

void DrawRoundedBox(const RecordView& r, DrawingTools& t) {
  auto box = r.BoxAt("\"RR\" box ");
  if (!box) return;
  int32_t radius = std::min(box->width, box->height) / 4;
  if (OwnBackground(r)) t.canvas.RoundedBox(*box, radius, ColourOf(r, "\"VT\" normal colour"), true);
  t.canvas.RoundedBox(*box, radius, ColourOf(r, "\"RR\" colour"), false);
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
  for (const DecodedField& field : r.Fields().fields) {
    if (field.offset == 90 && field.name.ends_with("tag") && field.value.size() >= 4) return field.value.substr(1, 2);
  }
  return "";
}

// Whether a field belongs to a picture other than the first ("picture 2 ...", "... item 2 ...").
bool OfALaterPicture(const std::string& name) {
  for (const char* word : {"picture ", "item "}) {
    size_t at = name.find(word);
    if (at != std::string::npos && name.compare(at, std::string(word).size() + 2, std::string(word) + "1 ") != 0) {
      return true;
    }
  }
  return false;
}

// The first picture of the element, in the element's box: a picture button's first state, a
// list's first picture, a static picture. False when it has none the project has pixels for.
bool DrawFirstPicture(const RecordView& r, DrawingTools& t) {
  auto box = r.BoxAt("\"VT\" normal ");
  if (!box) return false;
  for (const DecodedField& field : r.Fields().fields) {
    if (!field.name.ends_with("image CRC") || OfALaterPicture(field.name)) continue;
    return DrawPicture(r, field.name.substr(0, field.name.size() - 9), box->width, box->height, t);
  }
  return false;
}

}  // namespace

bool DrawPicture(const RecordView& r, const std::string& prefix, int32_t width, int32_t height, DrawingTools& t) {
  auto crc = r.Number(prefix + "image CRC"), position = r.Number(prefix + "position");
  if (!crc || *crc == -1 || !position) return false;
  Point at = r.PointAt(*position);
  if (width <= 0) width = t.canvas.Width() - at.x;
  std::optional<uint8_t> key;
  if (r.Number(prefix + "transparent").value_or(0) != 0 && r.Number(prefix + "key colour 1") == 255) {
    key = static_cast<uint8_t>(r.Number(prefix + "key colour 2").value_or(0));
  }
  return t.images.Draw(t.canvas, static_cast<int32_t>(*crc), {at.x, at.y, width, height}, key);
}

void DrawElement(const RecordView& element, DrawingTools& tools) {
  const KindDrawing& kind = DrawingOf(KindTag(element));
  if (kind.fillsFrame && OwnBackground(element)) {
    if (auto box = element.BoxAt("\"VT\" normal ")) tools.canvas.Fill(*box, ColourOf(element, "\"VT\" normal colour"));
  }
  if (!DrawFirstPicture(element, tools) && kind.frameWithoutPicture) DrawFrame(element, tools);
  if (kind.draw) kind.draw(element, tools);
  DrawTexts(element, tools.canvas, tools.fonts);
  DrawNumberSample(element, tools.canvas, tools.fonts);
  DrawLinkedTexts(element, tools.canvas, tools.fonts, tools.texts);
}

}  // namespace brisklet
