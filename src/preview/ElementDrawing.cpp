// The per-kind drawing table. Shapes are drawn in full; the kinds that show a value (bars,
// meters, trends, lists, grids, pictures) are drawn as their frames, and every static text
// of a record at the position the compiler placed it.
#include "preview/ElementDrawing.h"

#include <algorithm>
#include <array>
#include <string>

#include "preview/ElementTexts.h"

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

// The element's frame, in black or white, whichever stands out from the element's colour: what
// a kind that shows a value draws at least.
void DrawFrame(const RecordView& r, DrawingTools& t) {
  auto box = r.BoxAt("\"VT\" normal ");
  if (!box) return;
  Rgb fill = ColourOf(r, "\"VT\" normal colour");
  bool light = fill.r * 299 + fill.g * 587 + fill.b * 114 >= 128 * 1000;
  t.canvas.Frame(*box, light ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
}

struct KindDrawing {
  const char* tag;
  void (*draw)(const RecordView&, DrawingTools&);
};

constexpr std::array kKinds = {
    KindDrawing{"RC", DrawRectangle},  KindDrawing{"LI", DrawLine},  KindDrawing{"EL", DrawEllipse},
    KindDrawing{"RR", DrawRoundedBox}, KindDrawing{"BG", DrawFrame}, KindDrawing{"MG", DrawFrame},
    KindDrawing{"TR", DrawFrame},      KindDrawing{"TS", DrawFrame}, KindDrawing{"LG", DrawFrame},
    KindDrawing{"TG", DrawFrame},      KindDrawing{"TM", DrawFrame}, KindDrawing{"LL", DrawFrame},
    KindDrawing{"LR", DrawFrame},      KindDrawing{"PL", DrawFrame}, KindDrawing{"PR", DrawFrame},
    KindDrawing{"PS", DrawFrame},      KindDrawing{"PM", DrawFrame}, KindDrawing{"PB", DrawFrame},
    KindDrawing{"EF", DrawFrame},      KindDrawing{"LF", DrawFrame}, KindDrawing{"BT", DrawFrame},
    KindDrawing{"LB", DrawFrame},
};

// The tag of the kind bytes: the field just behind the 90-byte header.
std::string KindTag(const RecordView& r) {
  for (const DecodedField& field : r.Fields().fields) {
    if (field.offset == 90 && field.name.ends_with("tag") && field.value.size() >= 4) return field.value.substr(1, 2);
  }
  return "";
}

}  // namespace

void DrawElement(const RecordView& element, DrawingTools& tools) {
  std::string tag = KindTag(element);
  if (tag != "LI" && tag != "EL" && tag != "RR" && OwnBackground(element)) {
    if (auto box = element.BoxAt("\"VT\" normal ")) tools.canvas.Fill(*box, ColourOf(element, "\"VT\" normal colour"));
  }
  for (const KindDrawing& kind : kKinds) {
    if (tag == kind.tag) kind.draw(element, tools);
  }
  DrawTexts(element, tools.canvas, tools.fonts);
}

}  // namespace brisklet
