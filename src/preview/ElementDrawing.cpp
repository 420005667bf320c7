// How each element kind is drawn (the drawer column of base/ElementKinds.def). Shapes and
// pictures are drawn in full, buttons and lists with the face of their first state or item,
// meters with their needle at the minimum, trends with their axes and grid; the other kinds
// that show a value are drawn as their frames, and every static text of a record at the
// position the compiler placed it.
#include "preview/ElementDrawing.h"

#include <algorithm>
#include <cstdio>
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

// A face block (`prefix` + width, height, position, colour, companion colour, border width, 3D
// flag): filled with its colour when `fill`, its border `border width` pixels wide in its
// companion colour, and when its 3D flag is set a one-pixel bevel inside the border, white on
// the top and left edges and grey (8) on the bottom and right ones.
void DrawFace(const RecordView& r, const std::string& prefix, bool fill, DrawingTools& t) {
  auto box = r.BoxAt(prefix);
  if (!box) return;
  if (fill) t.canvas.Fill(*box, ColourOf(r, prefix + std::string(field::kColour)));
  auto border = static_cast<int32_t>(r.Number(prefix + std::string(field::kBorderWidth)).value_or(0));
  if (border > 0) t.canvas.Frame(*box, ColourOf(r, prefix + std::string(field::kCompanionColour)), border);
  if (r.Number(prefix + std::string(field::k3dFlag)).value_or(0) != 0) {
    Box in{box->x + border, box->y + border, box->width - 2 * border, box->height - 2 * border};
    if (in.width <= 0 || in.height <= 0) return;
    t.canvas.Fill({in.x, in.y + in.height - 1, in.width, 1}, PanelColour(8));
    t.canvas.Fill({in.x + in.width - 1, in.y, 1, in.height}, PanelColour(8));
    t.canvas.Fill({in.x, in.y, in.width, 1}, PanelColour(15));
    t.canvas.Fill({in.x, in.y, 1, in.height}, PanelColour(15));
  }
}

std::string HeaderFace() { return field::Prefix({field::kHeader, field::kNormal}); }


// Text buttons, frames and text boxes: the header's face (its fill is the own background's).
void DrawHeaderFace(const RecordView& r, DrawingTools& t) { DrawFace(r, HeaderFace(), false, t); }

// Two-state text buttons and text lists: the face of their first item, the state or value the
// panel shows first.
void DrawFirstItemFace(const RecordView& r, DrawingTools& t) {
  DrawFace(r, KindPrefix(r) + field::Prefix({field::Counted(field::kItem, 1)}), true, t);
}

// Picture buttons: a frame over the picture, the header's border when it has one, else one
// pixel in black or white, whichever stands out from the element's colour.
void DrawButtonFrame(const RecordView& r, DrawingTools& t) {
  if (r.Number(HeaderFace() + std::string(field::kBorderWidth)).value_or(0) > 0) {
    DrawFace(r, HeaderFace(), false, t);
  } else {
    DrawFrame(r, t);
  }
}

// Framed pictures and point lists: their frame or area face under the picture.
void DrawFrameFace(const RecordView& r, DrawingTools& t) {
  for (std::string_view part : {field::kFrame, field::kArea}) {
    DrawFace(r, KindPrefix(r) + field::Prefix({part}), true, t);
  }
}

// Point lists: the points joined in their order, in black or white, whichever stands out from
// the area's colour.
void DrawPoints(const RecordView& r, DrawingTools& t) {
  std::string prefix = KindPrefix(r);
  Rgb colour =
      PanelColour(static_cast<uint32_t>(r.Number(prefix + field::Name({field::kArea, field::kColour})).value_or(0)));
  Rgb pen = colour.r * 299 + colour.g * 587 + colour.b * 114 >= 128 * 1000 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
  std::optional<Point> last;
  for (size_t i = 1;; ++i) {
    auto offset = r.Number(prefix + field::Counted(field::kPoint, i));
    if (!offset) break;
    Point at = r.PointAt(*offset);
    if (last) t.canvas.Line(last->x, last->y, at.x, at.y, pen);
    last = at;
  }
  if (last) t.canvas.Fill({last->x - 1, last->y - 1, 3, 3}, pen);
}

// Cell layouts: the frame, the inner box and each cell's box (its position, the width and
// height the first two words of its tail hold), in the frame's colour.
void DrawCells(const RecordView& r, DrawingTools& t) {
  DrawFrame(r, t);
  std::string prefix = KindPrefix(r);
  Rgb colour = FrameColour(r);
  if (auto inner = r.BoxAt(prefix + field::Prefix({field::kInner}))) t.canvas.Frame(*inner, colour);
  for (size_t i = 1;; ++i) {
    std::string cell = prefix + field::Prefix({field::Counted(field::kCell, i)});
    auto position = r.Number(cell + std::string(field::kPosition));
    const DecodedField* tail = r.Fields().Find(cell + std::string(field::kTail));
    if (!position || !tail) break;
    std::span<const uint8_t> words = r.BytesOf(*tail);
    if (words.size() < 4) continue;
    Point at = r.PointAt(*position);
    t.canvas.Frame({at.x, at.y, words[0] | words[1] << 8, words[2] | words[3] << 8}, colour);
  }
}

// What a kind draws besides its first picture and its texts.
struct KindDrawing {
  bool fillsFrame;           // an own background fills the frame (shapes fill their outline, lines nothing)
  bool frameWithoutPicture;  // the frame stands for a picture the record does not name
  void (*draw)(const RecordView&, DrawingTools&);
  void (*under)(const RecordView&, DrawingTools&) = nullptr;  // drawn before the first picture
};

// The drawers the kind list chooses from.
constexpr KindDrawing NoDrawing{true, false, nullptr};
constexpr KindDrawing PictureDrawing{true, true, nullptr};
constexpr KindDrawing RectangleDrawing{true, false, DrawRectangle};
constexpr KindDrawing LineDrawing{false, false, DrawLine};
constexpr KindDrawing EllipseDrawing{false, false, DrawEllipse};
constexpr KindDrawing RoundedBoxDrawing{false, false, DrawRoundedBox};
constexpr KindDrawing MeterDrawing{true, false, DrawMeter};
constexpr KindDrawing TrendDrawing{true, false, DrawTrend};
constexpr KindDrawing HeaderFaceDrawing{true, false, DrawHeaderFace};
constexpr KindDrawing FirstItemDrawing{true, false, nullptr, DrawFirstItemFace};
constexpr KindDrawing PictureButtonDrawing{true, false, DrawButtonFrame};
constexpr KindDrawing FramedPictureDrawing{true, false, nullptr, DrawFrameFace};
constexpr KindDrawing PointListDrawing{true, false, DrawPoints, DrawFrameFace};
constexpr KindDrawing CellLayoutDrawing{true, false, DrawCells};
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
// list's first picture, a static picture.
PictureDrawn DrawFirstPicture(const RecordView& r, DrawingTools& t) {
  auto box = r.BoxAt(HeaderFace());
  if (!box) return PictureDrawn::kNone;
  for (const DecodedField& f : r.Fields().fields) {
    if (!f.name.ends_with(field::kImageCrc) || OfALaterPicture(f.name)) continue;
    return DrawPicture(r, f.name.substr(0, f.name.size() - field::kImageCrc.size()), *box, t);
  }
  return PictureDrawn::kNone;
}

std::string Hex(int64_t crc) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<uint32_t>(crc));
  return text;
}

}  // namespace

void DrawMissing(Canvas& canvas, const Box& box) {
  canvas.ContrastFrame(box);
  canvas.ContrastCross(box);
}

PictureDrawn DrawPicture(const RecordView& r, const std::string& prefix, const Box& clip, DrawingTools& t) {
  auto crc = r.Number(prefix + std::string(field::kImageCrc)),
       position = r.Number(prefix + std::string(field::kPosition));
  auto number = r.Number(prefix + std::string(field::kImageNumber)).value_or(0);
  if (!crc || *crc == -1 || (*crc == 0 && number == 0) || !position) return PictureDrawn::kNone;
  Point at = r.PointAt(*position);
  std::optional<PictureKey> key;
  if (r.Number(prefix + std::string(field::kTransparent)).value_or(0) != 0) {
    key = PictureKey{static_cast<uint8_t>(r.Number(prefix + std::string(field::kKeyColour1)).value_or(255)),
                     static_cast<uint8_t>(r.Number(prefix + std::string(field::kKeyColour2)).value_or(255))};
  }
  if (t.images.Draw(t.canvas, static_cast<int32_t>(*crc), at.x, at.y, clip, key)) return PictureDrawn::kDrawn;
  DrawMissing(t.canvas, clip.width > 0 ? clip : Box{at.x, at.y, t.canvas.Width() - at.x, t.canvas.Height() - at.y});
  t.notices.push_back("image " + std::to_string(number) + " (CRC " + Hex(*crc) +
                      ") has no 8- or 16-bit pixels in the project: crossed out");
  return PictureDrawn::kMissing;
}

void DrawElement(const RecordView& element, DrawingTools& tools) {
  const KindDrawing& kind = DrawingOf(KindTag(element));
  if (kind.fillsFrame && OwnBackground(element)) {
    if (auto box = element.BoxAt(HeaderFace())) tools.canvas.Fill(*box, ColourOf(element, NormalColour()));
  }
  if (kind.under) kind.under(element, tools);
  if (DrawFirstPicture(element, tools) == PictureDrawn::kNone && kind.frameWithoutPicture) DrawFrame(element, tools);
  if (kind.draw) kind.draw(element, tools);
  DrawTexts(element, tools.canvas, tools.fonts);
  DrawNumberSample(element, tools.canvas, tools.fonts);
  DrawLinkedTexts(element, tools.canvas, tools.fonts, tools.texts, tools.notices);
  for (std::string& notice : tools.fonts.TakeStandIns()) tools.notices.push_back(std::move(notice));
}

}  // namespace brisklet
