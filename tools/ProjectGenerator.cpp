// The synthetic project: modules of 25 displays on an 800 x 480 screen, each display holding
// a mix of shapes, texts, pictures and buttons sized so that their texts fit, with its own
// tab order, jumps to its neighbours, loader functions and (on some) a background picture.
// Display 1 carries the deliberate problems: a box too small for its 3D frame and two touch
// areas on one MB; the trends tree has a trend without curves.
#include "ProjectGenerator.h"

#include <zlib.h>

#include <array>
#include <span>
#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "database/Connection.h"

namespace brisklet {
namespace {

constexpr int32_t kScreenWidth = 800;
constexpr int32_t kScreenHeight = 480;
constexpr int32_t kDisplaysPerModule = 25;
constexpr int32_t kFirstDisplayGuid = 1000;
// Element GUIDs follow the displays' and fit the 16 bits of a display's element list up to
// 33,535 elements; a larger project has element GUIDs that its displays report as cut.
constexpr int32_t kFirstElementGuid = 32000;
constexpr int32_t kProjectTexts = 24;
constexpr int32_t kLastTabIndex = 250;  // tab indexes travel in one byte; 255 is "none"

// Operand ranges of one display, kept apart so that only the deliberate problems collide.
constexpr int32_t kTouchBase = 100;
constexpr int32_t kDuplicateTouch = 99;
constexpr int32_t kVisibleBase = 11000;
constexpr int32_t kSwitchBase = 22000;
constexpr int32_t kEnabledBase = 33000;
constexpr int32_t kJumpBase = 44000;

// splitmix64: the same sequence on every platform and standard library.
class Random {
 public:
  explicit Random(uint64_t seed) : mState(seed) {}
  uint64_t Next() {
    uint64_t z = (mState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int32_t Between(int32_t lo, int32_t hi) {
    return lo + static_cast<int32_t>(Next() % static_cast<uint64_t>(int64_t{hi} - lo + 1));
  }
  bool Chance(int32_t percent) { return Between(0, 99) < percent; }
  template <typename T>
  const T& Pick(std::span<const T> items) {
    return items[static_cast<size_t>(Between(0, static_cast<int32_t>(items.size()) - 1))];
  }

 private:
  uint64_t mState;
};

const std::string kWords[] = {"Pump",    "Valve",   "Motor",  "Speed",    "Temperature", "Pressure", "Start",
                              "Stop",    "Reset",   "Alarm",  "Level",    "Tank",        "Mixer",    "Conveyor",
                              "Heater",  "Fan",     "Door",   "Auto",     "Manual",      "Setpoint", "Recipe",
                              "Batch",   "Line",    "Oven",   "Cooling",  "Flow",        "Filter",   "Dosing",
                              "Counter", "Service", "Status", "Cleaning", "Weight",      "Sensor"};

// The two project fonts. Advances are given for the printable ASCII codes 32 to 126.
struct FontRow {
  int32_t number;
  const char* name;
  int32_t pixelSize;
  int32_t lineHeight;
  int32_t ascent;
  int32_t crc;
};
constexpr FontRow kFonts[] = {{1, "Synthetic Sans", 12, 14, 11, 0x1A2B3C4D},
                              {2, "Synthetic Sans Bold", 16, 19, 15, 0x5E6F7081}};

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

// The project's pictures: size, bits per pixel, CRC of the pixel data, compressed data.
struct Image {
  Image(int32_t w, int32_t h, int32_t b) : width(w), height(h), bits(b) {}
  int32_t width;
  int32_t height;
  int32_t bits;
  int32_t crc = 0;
  Bytes compressed;
};

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

// One HMI_Elements row and its optional picture.
struct Element {
  int32_t type = 0;
  int32_t varType = 0;
  std::string text;
  int32_t tab = 255;
  int32_t xs = 0, ys = 0, dx = 0, dy = 0;
  int32_t flat3D = 0;
  int32_t colorBack = 0, colorFore = 0, colorBackTouch = 0, colorForeTouch = 0;
  int32_t penWidth = 1;
  int32_t font = 0;
  int32_t alignment = 0;
  int32_t touch = -1, visible = -1, enabled = -1;
  int32_t varOprndType = 0, varOprndAddr = -1;
  Value binary;
  const Image* image = nullptr;
  int32_t transparency = 0;
};

// What one display hands out while its elements are made.
class DisplayState {
 public:
  DisplayState(int32_t id, Random& random) : mId(id), mRandom(random) {}
  int32_t Id() const { return mId; }
  Random& Rand() { return mRandom; }
  int32_t TakeTab() {
    if (mNextTab > kLastTabIndex) return 255;
    if (mId % 97 == 0 && mNextTab == 3 && !mGapDone) mNextTab += 1, mGapDone = true;  // a gap to renumber
    return mNextTab++;
  }
  int32_t TakeTouch() { return kTouchBase + mTouches++; }
  int32_t TakeVisible() { return kVisibleBase + mVisibles++; }
  int32_t TakeSwitch() { return kSwitchBase + mSwitches++; }
  int32_t TakeEnabled() { return kEnabledBase + mEnables++; }
  // A name that no other Type 5 element of the display has.
  std::string UniqueName(const std::string& word) { return word + " " + std::to_string(++mNames); }

 private:
  int32_t mId;
  Random& mRandom;
  int32_t mNextTab = 1;
  bool mGapDone = false;
  int32_t mTouches = 0, mVisibles = 0, mSwitches = 0, mEnables = 0, mNames = 0;
};

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

enum class Kind {
  Rectangle,
  Line,
  Ellipse,
  RoundRect,
  TextBox,
  Frame,
  TextButton,
  Picture,
  VarPicture,
  PictureButton,
  TextSwitch
};

struct KindWeight {
  Kind kind;
  int32_t weight;  // out of 100
};

constexpr KindWeight kMix[] = {
    {Kind::Rectangle, 20}, {Kind::Line, 10},         {Kind::Ellipse, 7},    {Kind::RoundRect, 6},
    {Kind::TextBox, 22},   {Kind::Frame, 5},         {Kind::TextButton, 8}, {Kind::Picture, 7},
    {Kind::VarPicture, 5}, {Kind::PictureButton, 4}, {Kind::TextSwitch, 6},
};

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
  Element e;
  switch (kind) {
    case Kind::Rectangle: e = Rectangle(d); break;
    case Kind::Line: e = Line(d); break;
    case Kind::Ellipse: e = BoundedShape(d, 6, "Lamp"); break;
    case Kind::RoundRect: e = BoundedShape(d, 7, "Panel"); break;
    case Kind::TextBox: e = TextBox(d, 4); break;
    case Kind::Frame: e = TextBox(d, 12); break;
    case Kind::TextButton: e = TextButton(d, images); break;
    case Kind::Picture: e = Picture(d, images, false); break;
    case Kind::VarPicture: e = Picture(d, images, true); break;
    case Kind::PictureButton: e = Button(d, images, 1); break;
    case Kind::TextSwitch: e = Button(d, images, 2); break;
  }
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

// Runs one bound INSERT per row.
class Inserter {
 public:
  Inserter(Connection& db, std::string sql) : mDb(db), mSql(std::move(sql)) {}
  void Row(const std::vector<Value>& values) { mDb.Execute(mSql, values); }

 private:
  Connection& mDb;
  std::string mSql;
};

void WriteSettings(Connection& db) {
  Inserter settings(db, "INSERT INTO ProjectSettings(Name, Value) VALUES(?, ?)");
  settings.Row({Value("ScreenWidth"), Value(kScreenWidth)});
  settings.Row({Value("CodePage"), Value(1252)});
  Inserter palettes(db, "INSERT INTO HMI_Palettes(ID, GUID) VALUES(?, ?)");
  palettes.Row({Value(1), Value(900)});
  palettes.Row({Value(2), Value(901)});
  Inserter loaders(db, "INSERT INTO LdrFunctions(FuncID, Guid) VALUES(?, ?)");
  for (int32_t f = 1; f <= 6; ++f) loaders.Row({Value(f), Value(3000 + f)});
}

void WriteFonts(Connection& db) {
  Inserter fonts(db,
                 "INSERT INTO tblFonts(id, FontNumber, FontCRC, Charset, FontName, PixelSize, LineHeight, Ascent) "
                 "VALUES(?, ?, ?, 0, ?, ?, ?, ?)");
  Inserter glyphs(db, "INSERT INTO tblFontGlyphs(FontNumber, Code, Advance) VALUES(?, ?, ?)");
  for (const FontRow& f : kFonts) {
    fonts.Row({Value(f.number), Value(f.number), Value(f.crc), Value(f.name), Value(f.pixelSize), Value(f.lineHeight),
               Value(f.ascent)});
    for (int32_t code = 32; code <= 126; ++code) {
      glyphs.Row({Value(f.number), Value(code), Value(Advance(f.number, static_cast<unsigned char>(code)))});
    }
  }
}

void WriteTextsAndTrends(Connection& db) {
  Inserter texts(db, "INSERT INTO ProjectTexts(TextIndex, Text) VALUES(?, ?)");
  for (int32_t i = 0; i < kProjectTexts; ++i) {
    texts.Row({Value(i), Value(kWords[static_cast<size_t>(i) % std::size(kWords)] + " text")});
  }
  Inserter trends(db, "INSERT INTO Trends(TrendID, Name, HistoryPoints) VALUES(?, ?, ?)");
  trends.Row({Value(1), Value("Oven temperature"), Value(500)});
  trends.Row({Value(2), Value("Line speed"), Value(200)});
  trends.Row({Value(3), Value("Spare trend"), Value(100)});  // no curves: the trends check reports it
  Inserter curves(db,
                  "INSERT INTO Curves(CurveID, DecimalBefore, MinOprndType, MinValue, MaxOprndType, MaxValue) "
                  "VALUES(?, 3, 37, 0, 37, 1000)");
  for (int32_t curve : {1, 2, 3, 9, 10}) curves.Row({Value(curve)});
}

void WriteImages(Connection& db, const std::vector<Image>& images) {
  Inserter rows(db, "INSERT INTO ProjectImages(ImageID, CRC, Bits, Data8bpp) VALUES(?, ?, ?, ?)");
  int32_t id = 0;
  for (const Image& image : images)
    rows.Row({Value(++id), Value(image.crc), Value(image.bits), Value(image.compressed)});
}

void WriteDisplays(Connection& db, const GeneratorOptions& o, Random& random, const std::vector<Image>& images,
                   GeneratorSummary& summary, const GeneratorProgress& progress) {
  Inserter modules(db, "INSERT INTO DispModules(ModuleID, ModuleName) VALUES(?, ?)");
  Inserter pages(
      db,
      "INSERT INTO Pages(Id, GUID, ModuleID, Description, PaletteID, ColorBack, ColorFocusText, "
      "ColorFocusGradient, ColorDisabledText, ColorDisabledGradient, ColorMarkingText, ColorMarkingGradient, "
      "IsDisplayedOpType, IsDisplayedOpAddress, ConstrID, FuncID, DestrID) "
      "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  Inserter backgrounds(db, "INSERT INTO PagesAndImages(Page_ID, Image_CRC, TransparencyLevel) VALUES(?, ?, ?)");
  Inserter jumps(db,
                 "INSERT INTO HMIJumps(PageNum, JumpType, JumpOpType, JumpOpAddress, DispOpAddress) "
                 "VALUES(?, ?, 1, ?, ?)");
  Inserter pending(db, "INSERT INTO DownloadDLUs(Guid, IsCompiled) VALUES(?, 0)");
  Inserter elements(db,
                    "INSERT INTO HMI_Elements(ID, GUID, DisplayID, Type, VarType, Text, TabIndex, ORDERINDEX, Xs, Ys, "
                    "Dx, Dy, Flat3D, ColorBack, ColorFore, ColorBackTouch, ColorForeTouch, PenWidth, FontNumber, "
                    "Alignment, TouchOprndAddr, VisibleOpAddr, EnabledOpAddr, VarOprndType, VarOprndAddr, Binary) "
                    "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  Inserter pictures(db,
                    "INSERT INTO ElementsAndImages(Element_ID, Image_Index, Image_CRC, TransparencyLevel) "
                    "VALUES(?, 0, ?, ?)");

  int32_t elementId = 0;
  for (int32_t id = 1; id <= o.displays; ++id) {
    if (progress) progress(id - 1, o.displays);
    int32_t module = (id - 1) / kDisplaysPerModule + 1;
    if ((id - 1) % kDisplaysPerModule == 0) {
      modules.Row({Value(module), Value("Area " + std::to_string(module))});
      ++summary.modules;
    }
    int32_t guid = kFirstDisplayGuid + id;
    Value marking;  // older projects left it Null
    if (id % 7 != 3) marking = Value(random.Between(0, 255));
    pages.Row({Value(id), Value(guid), Value(module),
               Value(random.Pick<std::string>(kWords) + " " + std::to_string(id)), Value(id % 10 == 0 ? 2 : 1),
               Value(random.Between(0, 255)), Value(random.Between(0, 255)), Value(random.Between(0, 255)),
               Value(random.Between(0, 255)), Value(random.Between(0, 255)), marking, marking,
               Value(id % 6 == 0 ? 1 : 0), Value(id % 6 == 0 ? kJumpBase - 1 : -1), Value(id % 3 == 0 ? 1 + id % 2 : 0),
               Value(id % 4 == 0 ? 3 + id % 2 : 0), Value(id % 5 == 0 ? 5 + id % 2 : 0)});
    pending.Row({Value(guid)});
    ++summary.displays;
    if (id % 5 == 0) {
      const Image& background = images[static_cast<size_t>(id / 5) % 6];  // the 8-bit ones
      backgrounds.Row({Value(id), Value(background.crc), Value(id % 10 == 0 ? 1 : 0)});
    }
    // Jumps to the next and previous display and home; the last display also names a lost one.
    int32_t jump = 0;
    auto addJump = [&](int32_t target) {
      ++jump;
      jumps.Row({Value(id), Value(jump), Value(kJumpBase + jump), Value(target)});
      ++summary.jumps;
    };
    if (id < o.displays) addJump(id + 1);
    if (id > 1) addJump(id - 1);
    if (id > 2) addJump(1);
    if (id == o.displays) addJump(o.displays + 1000);

    DisplayState state(id, random);
    std::vector<Element> problems = id == 1 && o.elementsPerDisplay >= 3 ? Problems() : std::vector<Element>();
    int32_t ordinary = o.elementsPerDisplay - static_cast<int32_t>(problems.size());
    for (int32_t k = 0; k < o.elementsPerDisplay; ++k) {
      Element e = k < ordinary ? MakeElement(state, images) : problems[static_cast<size_t>(k - ordinary)];
      ++elementId;
      int32_t elementGuid = kFirstElementGuid + elementId;
      elements.Row({Value(elementId),
                    Value(elementGuid),
                    Value(id),
                    Value(e.type),
                    Value(e.varType),
                    Value(e.text),
                    Value(e.tab),
                    Value(k + 1),
                    Value(e.xs),
                    Value(e.ys),
                    Value(e.dx),
                    Value(e.dy),
                    Value(e.flat3D),
                    Value(e.colorBack),
                    Value(e.colorFore),
                    Value(e.colorBackTouch),
                    Value(e.colorForeTouch),
                    Value(e.penWidth),
                    Value(e.font),
                    Value(e.alignment),
                    Value(e.touch),
                    Value(e.visible),
                    Value(e.enabled),
                    Value(e.varOprndType),
                    Value(e.varOprndAddr),
                    e.binary});
      if (e.image) pictures.Row({Value(elementId), Value(e.image->crc), Value(e.transparency)});
      pending.Row({Value(elementGuid)});
      ++summary.elements;
    }
  }
}

}  // namespace

GeneratorSummary GenerateProject(Connection& db, const GeneratorOptions& options, const GeneratorProgress& progress) {
  if (options.displays < 1 || options.displays > kMaxGeneratedDisplays) {
    throw RuntimeError("Invalid option", "--displays is " + std::to_string(options.displays) + ", expected 1 to " +
                                             std::to_string(kMaxGeneratedDisplays));
  }
  if (options.elementsPerDisplay < 0 || options.elementsPerDisplay > kMaxElementsPerDisplay) {
    throw RuntimeError("Invalid option", "--elements-per-display is " + std::to_string(options.elementsPerDisplay) +
                                             ", expected 0 to " + std::to_string(kMaxElementsPerDisplay));
  }
  Random random(options.seed);
  GeneratorSummary summary;
  db.BeginTransaction();
  try {
    WriteSettings(db);
    WriteFonts(db);
    WriteTextsAndTrends(db);
    std::vector<Image> images = MakeImages(random);
    WriteImages(db, images);
    summary.images = static_cast<int64_t>(images.size());
    WriteDisplays(db, options, random, images, summary, progress);
    db.Commit();
  } catch (...) {
    db.Execute("ROLLBACK");
    throw;
  }
  return summary;
}

}  // namespace brisklet
