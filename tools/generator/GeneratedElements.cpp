// The elements of a generated display: shapes, texts, pictures and buttons, placed on the
// screen and sized so that their texts fit, and the fonts' metrics and pictures they use.
#include <zlib.h>

#include "generator/GeneratorParts.h"

namespace brisklet::generator {

int32_t Advance(int32_t fontNumber, unsigned char c) {
  std::string_view narrow = "il.,:;'!|", medium = "fjrt()[]-", wide = "mwMW@";
  int32_t a = 7;
  if (c == ' ') a = 4;
  else if (narrow.find(static_cast<char>(c)) != std::string_view::npos) a = 3;
  else if (medium.find(static_cast<char>(c)) != std::string_view::npos) a = 5;
  else if (wide.find(static_cast<char>(c)) != std::string_view::npos) a = 11;
  else if (c >= 'A' && c <= 'Z') a = 8;
  return fontNumber == 1 ? a : a * 4 / 3 + 1;
}

int32_t LineHeight(int32_t fontNumber) { return fontNumber == 1 ? kFonts[0].lineHeight : kFonts[1].lineHeight; }

// Width of the widest line and number of lines of a text (lines split at CR LF).
void Measure(const std::string& text, int32_t fontNumber, int32_t& width, int32_t& lines) {
  width = 0;
  lines = 1;
  int32_t line = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      width = std::max(width, line);
      line = 0;
      ++lines;
      ++i;
    } else {
      line += Advance(fontNumber, static_cast<unsigned char>(text[i]));
    }
  }
  width = std::max(width, line);
}

int32_t FrameMargin(int32_t flat3D) { return flat3D == 1 || flat3D == 3 ? 4 : (flat3D == 2 ? 1 : 0); }

std::vector<Image> MakeImages(Random& random) {
  std::vector<Image> images = {Image(32, 24, 8), Image(48, 32, 8), Image(64, 48, 8),  Image(24, 24, 8),
                               Image(96, 64, 8), Image(40, 40, 8), Image(32, 32, 16), Image(48, 48, 16)};
  for (Image& image : images) {
    Bytes pixels(static_cast<size_t>(image.width * image.height * (image.bits / 8)));
    uint8_t key = static_cast<uint8_t>(random.Between(0, 255));
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(key + (i / 7) % 13);  // key first
    image.crc = static_cast<int32_t>(crc32(0, pixels.data(), static_cast<uInt>(pixels.size())));
    uLongf length = compressBound(static_cast<uLong>(pixels.size()));
    image.compressed.resize(length);
    compress2(image.compressed.data(), &length, pixels.data(), static_cast<uLong>(pixels.size()), Z_BEST_SPEED);
    image.compressed.resize(length);
  }
  return images;
}

namespace {

void Place(Element& e, Random& r) {
  e.dx = std::min(e.dx, kScreenWidth - 1);
  e.dy = std::min(e.dy, kScreenHeight - 1);
  e.xs = r.Between(0, kScreenWidth - 1 - e.dx);
  e.ys = r.Between(0, kScreenHeight - 1 - e.dy);
}

void Colours(Element& e, Random& r) {
  e.colorBack = r.Between(0, 255);
  e.colorFore = r.Between(0, 255);
  e.colorBackTouch = e.colorBack;
  e.colorForeTouch = e.colorFore;
}

void MaybeTouch(Element& e, DisplayState& d, int32_t percent) {
  if (!d.Rand().Chance(percent)) return;
  e.touch = d.TakeTouch();
  e.tab = d.TakeTab();
  if (d.Rand().Chance(20)) e.enabled = d.TakeEnabled();
}

std::string Label(Random& r) {
  std::string text = r.Pick<std::string>(kWords);
  if (r.Chance(40)) text += " " + r.Pick<std::string>(kWords);
  if (r.Chance(30)) text += " " + std::to_string(r.Between(1, 99));
  if (r.Chance(15)) text += "\r\n" + r.Pick<std::string>(kWords);
  return text;
}

// Sizes a text element so that its text fits the inner frame, with some room to spare.
void FitFrameToText(Element& e, Random& r) {
  int32_t width = 0, lines = 0;
  Measure(e.text, e.font, width, lines);
  int32_t margin = FrameMargin(e.flat3D);
  e.dx = width + 2 * margin + r.Between(2, 40);
  e.dy = lines * LineHeight(e.font) + 2 * margin + r.Between(0, 12);
}

Element Rectangle(DisplayState& d) {
  Random& r = d.Rand();
  Element e;
  e.type = 1;
  e.text = r.Pick<std::string>(kWords) + " frame";
  static constexpr int32_t kStyles[] = {0, 0, 0, 2, 4, 1, 3};
  e.flat3D = r.Pick<int32_t>(kStyles);
  e.penWidth = r.Between(1, 3);
  e.dx = r.Between(10, 300);
  e.dy = r.Between(10, 200);
  Colours(e, r);
  MaybeTouch(e, d, 15);
  Place(e, r);
  return e;
}

Element Line(DisplayState& d) {
  Random& r = d.Rand();
  Element e;
  e.type = 2;
  e.text = "Divider";
  e.penWidth = r.Between(1, 4);
  int32_t shape = r.Between(0, 2);  // horizontal, vertical, slanted
  e.dx = shape == 1 ? 0 : r.Between(10, 300);
  e.dy = shape == 0 ? 0 : r.Between(10, 200);
  Colours(e, r);
  Place(e, r);
  if (shape == 2 && r.Chance(50)) {  // drawn right to left
    e.xs += e.dx;
    e.dx = -e.dx;
  }
  return e;
}

Element BoundedShape(DisplayState& d, int32_t type, const char* name) {
  Random& r = d.Rand();
  Element e;
  e.type = type;
  e.text = std::string(name) + " " + r.Pick<std::string>(kWords);
  e.dx = r.Between(10, 200);
  e.dy = r.Between(10, 200);
  Colours(e, r);
  MaybeTouch(e, d, 10);
  Place(e, r);
  return e;
}

Element TextBox(DisplayState& d, int32_t type) {
  Random& r = d.Rand();
  Element e;
  e.type = type;
  e.text = Label(r);
  e.font = r.Chance(70) ? 1 : 2;
  static constexpr int32_t kStyles[] = {0, 0, 0, 2, 4, 1, 3};
  e.flat3D = type == 12 ? 2 : r.Pick<int32_t>(kStyles);
  e.alignment = r.Between(0, 8);
  Colours(e, r);
  int32_t link = r.Between(0, 99);
  if (link < (type == 12 ? 30 : 15)) {  // linked to a text operand
    e.varOprndType = 2;
    e.varOprndAddr = r.Between(0, 999);
  } else if (link < (type == 12 ? 35 : 20)) {  // names an entry of the text table
    e.varOprndAddr = r.Between(0, kProjectTexts - 1);
  }
  if (type == 4 && r.Chance(10)) {
    e.touch = d.TakeTouch();
    e.tab = d.TakeTab();
    e.colorBackTouch = r.Between(0, 255);
  }
  FitFrameToText(e, r);
  Place(e, r);
  return e;
}

Element TextButton(DisplayState& d, std::span<const Image> images) {
  Random& r = d.Rand();
  Element e;
  e.type = 11;
  e.text = r.Pick<std::string>(kWords);
  e.font = r.Chance(60) ? 1 : 2;
  e.flat3D = r.Chance(50) ? 1 : 3;
  e.alignment = 4;
  Colours(e, r);
  if (r.Chance(70)) {
    e.colorBackTouch = r.Between(0, 255);
    e.colorForeTouch = r.Between(0, 255);
  }
  e.touch = d.TakeTouch();
  e.tab = d.TakeTab();
  if (r.Chance(20)) e.enabled = d.TakeEnabled();
  if (r.Chance(50)) {
    e.image = &r.Pick<Image>(images);
    e.transparency = r.Chance(30) ? 1 : 0;
  }
  FitFrameToText(e, r);
  Place(e, r);
  return e;
}

Element Picture(DisplayState& d, std::span<const Image> images, bool variable) {
  Random& r = d.Rand();
  Element e;
  e.type = variable ? 5 : 3;
  e.varType = variable ? 20 : 0;
  e.text = variable ? d.UniqueName("Icon") : "Picture";
  e.image = &r.Pick<Image>(images);
  e.transparency = r.Chance(30) ? 1 : 0;
  e.dx = e.image->width;
  e.dy = e.image->height;
  e.colorBack = r.Chance(50) ? -1 : r.Between(0, 255);
  e.colorBackTouch = e.colorBack;
  if (!variable) MaybeTouch(e, d, 10);
  Place(e, r);
  return e;
}

// Picture (VarType 1) and text (VarType 2) buttons on an MB; some work as switches.
Element Button(DisplayState& d, std::span<const Image> images, int32_t varType) {
  Random& r = d.Rand();
  Element e;
  e.type = 5;
  e.varType = varType;
  e.text = d.UniqueName(r.Pick<std::string>(kWords));
  e.font = 1;
  e.flat3D = r.Chance(50) ? 1 : 3;
  Colours(e, r);
  e.varOprndType = 1;
  e.varOprndAddr = d.TakeSwitch();
  e.touch = d.TakeTouch();
  e.tab = d.TakeTab();
  int32_t kind = r.Between(0, 9);
  if (kind < 4) e.binary = Value(std::string(R"({"IsSwitch": true})"));
  else if (kind < 7) e.binary = Value(std::string(R"({"IsSwitch": false})"));
  if (varType == 1) e.image = &r.Pick<Image>(images);
  e.dx = r.Between(40, 120);
  e.dy = r.Between(30, 60);
  Place(e, r);
  return e;
}

using Kind = ClassicKind;

struct KindWeight {
  Kind kind;
  int32_t weight;  // out of 100
};

constexpr KindWeight kMix[] = {
    {Kind::Rectangle, 20}, {Kind::Line, 10},         {Kind::Ellipse, 7},    {Kind::RoundRect, 6},
    {Kind::TextBox, 22},   {Kind::Frame, 5},         {Kind::TextButton, 8}, {Kind::Picture, 7},
    {Kind::VarPicture, 5}, {Kind::PictureButton, 4}, {Kind::TextSwitch, 6},
};

}  // namespace

Element MakeClassicKind(DisplayState& d, std::span<const Image> images, ClassicKind kind) {
  switch (kind) {
    case Kind::Rectangle: return Rectangle(d);
    case Kind::Line: return Line(d);
    case Kind::Ellipse: return BoundedShape(d, 6, "Lamp");
    case Kind::RoundRect: return BoundedShape(d, 7, "Panel");
    case Kind::TextBox: return TextBox(d, 4);
    case Kind::Frame: return TextBox(d, 12);
    case Kind::TextButton: return TextButton(d, images);
    case Kind::Picture: return Picture(d, images, false);
    case Kind::VarPicture: return Picture(d, images, true);
    case Kind::PictureButton: return Button(d, images, 1);
    case Kind::TextSwitch: return Button(d, images, 2);
  }
  return {};
}

Element MakeElement(DisplayState& d, std::span<const Image> images) {
  int32_t roll = d.Rand().Between(0, 99);
  Kind kind = Kind::Rectangle;
  for (const KindWeight& k : kMix) {
    if (roll < k.weight) {
      kind = k.kind;
      break;
    }
    roll -= k.weight;
  }
  Element e = MakeClassicKind(d, images, kind);
  if (e.touch < 0 && d.Rand().Chance(10)) e.visible = d.TakeVisible();  // a hide operand
  return e;
}

// The deliberate problems of display 1, in place of its last three elements.
std::vector<Element> Problems() {
  std::vector<Element> out(3);
  out[0].type = 1;
  out[0].text = "Tiny 3D box";
  out[0].flat3D = 1;
  out[0].xs = 700, out[0].ys = 400, out[0].dx = 8, out[0].dy = 30;
  for (int i = 1; i <= 2; ++i) {
    out[i].type = 1;
    out[i].text = i == 1 ? "Ack left" : "Ack right";
    out[i].xs = 600 + 70 * (i - 1), out[i].ys = 440, out[i].dx = 60, out[i].dy = 30;
    out[i].touch = kDuplicateTouch;
  }
  return out;
}

}  // namespace brisklet::generator
