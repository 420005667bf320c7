// The every-kind mix: each element kind the compiler builds, in its display and its entry form,
// with the property blob, pictures, text-table entries and trends it reads, in the proportions
// of a real panel (mostly texts, values and buttons), laid out on the screen without overlaps.
#include <cstdlib>
#include <string>

#include "generator/GeneratorParts.h"

namespace brisklet::generator {

bool ScreenLayout::Take(int32_t dx, int32_t dy, int32_t& xs, int32_t& ys) {
  constexpr int32_t kGap = 4;
  int32_t columns = (dx + kGap + kColumn - 1) / kColumn;
  int32_t count = static_cast<int32_t>(mSky.size());
  if (columns > count || dy >= mHeight) return false;
  int32_t best = -1, bestTop = mHeight;
  for (int32_t c = 0; c + columns <= count; c += 2) {
    int32_t top = *std::max_element(mSky.begin() + c, mSky.begin() + c + columns);
    if (top < bestTop) best = c, bestTop = top;
  }
  if (best < 0 || bestTop + dy >= mHeight || best * kColumn + dx >= kScreenWidth) return false;
  std::fill(mSky.begin() + best, mSky.begin() + best + columns, bestTop + dy + kGap);
  xs = best * kColumn;
  ys = bestTop;
  return true;
}

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
std::string Num(int64_t n) { return std::to_string(n); }

// A Type 5 element of a VarType in one of the two fonts.
Element Start(Random& r, int32_t varType) {
  Element e;
  e.type = 5;
  e.varType = varType;
  e.font = r.Chance(80) ? 1 : 2;
  return e;
}

// Sizes an element so that `sample` fits inside its frame, with a little room to spare.
void FitTo(Element& e, const std::string& sample, Random& r, int32_t extraWidth = 0) {
  int32_t width = 0, lines = 0;
  Measure(sample, e.font, width, lines);
  int32_t margin = FrameMargin(e.flat3D);
  e.dx = width + extraWidth + 2 * margin + r.Between(4, 16);
  e.dy = lines * LineHeight(e.font) + 2 * margin + r.Between(2, 6);
}

const Image& EightBit(std::span<const Image> images, Random& r) {
  return images[static_cast<size_t>(r.Between(0, 5))];  // the first six are 8-bit
}

std::string ImageEntry(const Image& image, const std::string& more = "") {
  return "{\"ImageCrc\": " + Num(image.crc) + more + "}";
}

struct Unit {
  const char* mask;
  const char* units;
};
constexpr Unit kUnits[] = {{"999.9", "C"}, {"99.9", "bar"}, {"9999", "rpm"},  {"9999.99", "l/min"},
                           {"999", "%"},   {"999.9", "kg"}, {"99.99", "m/s"}, {"9999", "pcs"}};

// A number (VarType 8 or 13, "LN" / "EN"), some with their units from the text table.
Element Number(DisplayState& d, int32_t varType, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, varType);
  const Unit& u = r.Pick<Unit>(kUnits);
  int32_t value = d.TakeValue();
  std::string units = u.units, blob = "{\"GetMask\": " + Quoted(u.mask) +
                                      ", \"GetOperand1Type\": 2, \"GetOperand1Addr\": " + Num(value) +
                                      ", \"GetFormatCode\": " + Num(r.Between(0, 1));
  if (r.Chance(15)) {  // the units named by an entry of the text table
    int32_t index = r.Between(0, kProjectTexts - 1);
    units = kWords[static_cast<size_t>(index) % std::size(kWords)] + " text";
    blob += ", \"IsUnitsLinked\": -1, \"GetUnitsSource\": {\"GetSourceText\": " + Quoted(units) +
            ", \"GetSourceOperandType\": 0, \"GetSourceOperandAddr\": " + Num(index) + "}";
  } else {
    blob += ", \"GetUnitsText\": " + Quoted(units);
  }
  if (entry) {
    blob += ", \"GetEntryCode\": 3, \"GetEntryCount\": 1, \"GetEntryOperand1Type\": 2, \"GetEntryOperand1Addr\": " +
            Num(d.TakeValue()) + ", \"GetEntryOperand2Type\": 2, \"GetEntryOperand2Addr\": " + Num(d.TakeValue());
  }
  e.binary = Value(blob + "}");
  e.varOprndType = 2;
  e.varOprndAddr = value;
  e.alignment = r.Chance(50) ? 5 : 3;
  FitTo(e, "-" + std::string(u.mask) + " " + units, r);  // with the sign place
  return e;
}

// A number with colour ranges (VarType 29, "NR" / "ER").
Element RangedNumber(DisplayState& d, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, 29);
  int32_t value = d.TakeValue();
  std::string blob =
      "{\"GetMask\": \"999\", \"GetUnitsText\": \"%\", \"GetOperand1Type\": 2, \"GetOperand1Addr\": " + Num(value) +
      ", \"GetRangeCount\": 3, \"GetRange\": [";
  const int32_t limits[] = {0, 20, 90, 100}, colours[] = {9, 10, 12};
  for (int i = 0; i < 3; ++i) {
    blob += std::string(i ? ", " : "") + "{\"GetLimit1Type\": 34, \"GetLimit1Addr\": " + Num(limits[i]) +
            ", \"GetLimit2Type\": 34, \"GetLimit2Addr\": " + Num(limits[i + 1]) +
            ", \"GetRangeCode\": 1, \"GetRangeColor\": " + Num(colours[i]) + "}";
  }
  blob += "]";
  if (entry) blob += ", \"GetEntryOperand1Type\": 2, \"GetEntryOperand1Addr\": " + Num(value);
  e.binary = Value(blob + "}");
  e.varOprndType = 2;
  e.varOprndAddr = value;
  e.alignment = 3;
  FitTo(e, "-999 %", r);
  return e;
}

// A clock (VarType 5, "LC" / "EC").
Element Clock(DisplayState& d, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, 5);
  static const char* const kFormats[] = {"hh:mm:ss", "hh:mm", "dd/mm/yy", "dd.mm.yyyy"};
  std::string format = kFormats[r.Between(0, 3)];
  e.binary = Value("{\"GetClockSetting\": " + Num(format[0] == 'd' ? 2 : 1) +
                   ", \"GetClockStyle\": 0, \"GetTextObject\": {\"GetText\": " + Quoted(format) + "}" +
                   (entry ? ", \"GetClockEntryCode\": 1}" : "}"));
  e.alignment = 3;
  FitTo(e, format, r);
  return e;
}

// A timer (VarType 7, "LT" / "ET") on a timer operand.
Element Timer(DisplayState& d, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, 7);
  std::string format = entry ? "MM:SS" : (r.Chance(50) ? "MM:SS.hh" : "HH:MM:SS");
  e.binary = Value(entry ? "{\"GetTextObject\": {\"GetText\": \"MM:SS\"}, \"GetTimerEntryCode\": 1, "
                           "\"GetTimerKind\": 2, \"GetTimerStyle\": 1}"
                         : "{\"GetTextObject\": {\"GetText\": " + Quoted(format) +
                               "}, \"GetTimerKind\": 1, \"GetTimerStyle\": 1, \"GetTimerSubKind\": 2}");
  e.varOprndType = entry ? 8 : 7;
  e.varOprndAddr = r.Between(0, 63);
  e.alignment = 3;
  FitTo(e, format, r);
  return e;
}

// An entry field (VarType 6): a number entered ("EF"), or a picker of a weekday or month whose
// names come from the calendar file of its language ("LF").
Element EntryField(DisplayState& d, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, 6);
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  e.alignment = entry ? 3 : 4;
  if (entry) {
    e.binary = Value(std::string("{\"EntryMode\": 5, \"EntryStyle\": 1, \"TextSource\": {\"SampleText\": \"9999\"}}"));
    FitTo(e, "9999", r);
    return e;
  }
  static constexpr int32_t kLanguages[] = {0, 2, 3, 4, 6, 7, 8, 9};  // all within code page 1252
  bool month = r.Chance(50);
  std::string sample = month ? "September" : "Wednesday";
  e.binary = Value("{\"DisplayStyle\": 1, \"EntryMode\": " + Num(month ? 4 : 2) + ", \"GridTextOption\": " +
                   Num(r.Pick<int32_t>(kLanguages)) + ", \"TextSource\": {\"SampleText\": " + Quoted(sample) + "}}");
  e.font = 1;  // the pickers' grids are sized for the small font
  e.dx = month ? 240 : 280;
  e.dy = month ? 80 : 60;
  return e;
}

// A text field (VarType 15, "LA" / "EA"): characters of an operand.
Element TextField(DisplayState& d, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, 15);
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  std::string text = entry ? "R" : "Line A";
  int32_t length = entry ? 6 : 8;
  e.binary = Value("{\"GetFieldText\": " + Quoted(text) + ", \"GetFieldLength\": " + Num(length) +
                   ", \"GetFieldOperandType\": 2, \"GetFieldOperandAddr\": " + Num(d.TakeValue()) +
                   (entry ? ", \"GetFieldStyle\": 1}" : "}"));
  e.alignment = 3;
  FitTo(e, std::string(static_cast<size_t>(length), 'W'), r);
  return e;
}

// A string entry (VarType 16 "LO" / "EO", 19 "LU" / "EU").
Element StringEntry(DisplayState& d, int32_t varType, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, varType);
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  std::string sample = varType == 16 ? (entry ? "OP-1234" : "Operator name") : "Batch 42";
  std::string blob = "{\"TextSource\": {\"SampleText\": " + Quoted(sample) + "}";
  if (entry) blob += ", \"DisplayStyle\": 1, \"EntryStyle\": " + Num(varType == 16 ? 1 : 2);
  else if (varType == 16) blob += ", \"DisplayOption\": 0, \"DisplayStyle\": 1, \"ModeKind\": 2";
  else blob += ", \"DisplayOption\": 1, \"ModeKind\": 1, \"ModeVariant\": 2";
  e.binary = Value(blob + "}");
  e.alignment = 3;
  FitTo(e, sample, r);
  return e;
}

// An entry text (VarType 30, "EP"): a code entered against an operand.
Element EntryText(DisplayState& d) {
  Random& r = d.Rand();
  Element e = Start(r, 30);
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  e.binary = Value("{\"GetCodeFlag\": 1, \"GetCodeOperandType\": 2, \"GetCodeOperandAddr\": " + Num(d.TakeValue()) +
                   ", \"GetCodeValue\": 4, \"GetEntryStyle\": 1, \"GetText1\": \"Code\", \"GetText2\": \"Enter\"}");
  e.alignment = 3;
  FitTo(e, "Enter", r, 20);
  return e;
}

// A text list (VarType 3 "LL", 11 "LR" whose items stand for ranges of the operand).
Element TextList(DisplayState& d, int32_t varType) {
  Random& r = d.Rand();
  Element e = Start(r, varType);
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  int32_t count = r.Between(2, 4);
  std::string items, widest;
  int32_t widestWidth = 0;
  for (int32_t i = 0; i < count; ++i) {
    std::string text = r.Pick<std::string>(kWords), ranges;
    int32_t width = 0, lines = 0;
    Measure(text, e.font, width, lines);
    if (width > widestWidth) widest = text, widestWidth = width;
    if (varType == 11) {
      ranges = ", \"FirstOperandType\": 34, \"FirstOperandAddress\": " + Num(10 * i) +
               ", \"SecondOperandType\": 34, \"SecondOperandAddress\": " + Num(10 * i + 9);
    }
    items += std::string(i ? ", " : "") + "{\"ItemText\": " + Quoted(text) +
             ", \"ItemColor\": " + Num(r.Between(0, 15)) + ", \"ItemBackColor\": 15" + ranges + "}";
  }
  e.binary = Value("{\"ItemCount\": " + Num(count) + ", \"ItemAt\": [" + items + "]}");
  e.flat3D = varType == 11 ? 2 : 0;
  e.alignment = varType == 11 ? 4 : 3;
  FitTo(e, widest, r);
  return e;
}

// A two-state text button on an MB (VarType 2, "LB"), some working as switches.
Element StateButton(DisplayState& d) {
  Random& r = d.Rand();
  Element e = Start(r, 2);
  e.flat3D = 1;
  e.alignment = 4;
  static const char* const kStates[][2] = {{"Run", "Stop"}, {"On", "Off"}, {"Open", "Close"}, {"Auto", "Manual"}};
  const auto& states = kStates[r.Between(0, 3)];
  e.binary = Value(std::string("{\"IsSwitch\": ") + (r.Chance(40) ? "true" : "false") +
                   ", \"ItemAt\": [{\"ItemText\": " + Quoted(states[0]) +
                   ", \"ItemColor\": 15, \"ItemBackColor\": 2}, {\"ItemText\": " + Quoted(states[1]) +
                   ", \"ItemColor\": 15, \"ItemBackColor\": 1}]}");
  e.varOprndType = 1;
  e.varOprndAddr = d.TakeSwitch();
  e.touch = d.TakeTouch();
  FitTo(e, std::string(states[0]).size() > std::string(states[1]).size() ? states[0] : states[1], r);
  return e;
}

// A picture button on an MB (VarType 1, "PB") with its two pictures in the blob.
Element PictureButton(DisplayState& d, std::span<const Image> images) {
  Random& r = d.Rand();
  Element e = Start(r, 1);
  const Image& up = EightBit(images, r);
  e.binary = Value(std::string("{\"IsSwitch\": ") + (r.Chance(40) ? "true" : "false") + ", \"Image\": [" +
                   ImageEntry(up) + ", " + ImageEntry(EightBit(images, r), ", \"ImageTransparency\": 1") + "]}");
  e.varOprndType = 1;
  e.varOprndAddr = d.TakeSwitch();
  e.touch = d.TakeTouch();
  e.dx = up.width + 8;
  e.dy = up.height + 8;
  return e;
}

// A picture list (VarType 4 "PL", 12 "PR" whose pictures stand for ranges of the operand).
Element PictureList(DisplayState& d, std::span<const Image> images, int32_t varType) {
  Random& r = d.Rand();
  Element e = Start(r, varType);
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  e.colorBack = -1;
  int32_t count = r.Between(1, 3);
  std::string entries;
  for (int32_t i = 0; i < count; ++i) {
    const Image& image = EightBit(images, r);
    e.dx = std::max(e.dx, image.width);
    e.dy = std::max(e.dy, image.height);
    std::string ranges = varType == 12
                             ? ", \"FirstOperandType\": 34, \"FirstOperandAddress\": " + Num(50 * i) +
                                   ", \"SecondOperandType\": 34, \"SecondOperandAddress\": " + Num(50 * i + 49)
                             : "";
    entries += std::string(i ? ", " : "") + ImageEntry(image, ranges);
  }
  e.binary = Value("{\"ImageCount\": " + Num(count) + ", \"ImageAt\": [" + entries + "]}");
  return e;
}

// A bar graph (VarType 9, "BG") from 0 to a constant.
Element BarGraph(DisplayState& d) {
  Random& r = d.Rand();
  Element e = Start(r, 9);
  bool upright = r.Chance(70);
  e.dx = upright ? r.Between(20, 40) : r.Between(80, 160);
  e.dy = upright ? r.Between(80, 140) : r.Between(16, 30);
  e.binary =
      Value("{\"GetBarOperand1Type\": 2, \"GetBarOperand1Addr\": " + Num(d.TakeValue()) +
            ", \"GetBarOperand2Type\": 34, \"GetBarOperand2Addr\": 100, \"GetBarSetting1\": " + Num(upright ? 1 : 3) +
            ", \"GetBarSetting2\": 2}");
  return e;
}

// A meter (VarType 21, "MG"): a half-circle gauge whose needle stays inside it.
Element Meter(DisplayState& d) {
  Random& r = d.Rand();
  Element e = Start(r, 21);
  e.dx = 2 * r.Between(40, 60);
  e.dy = e.dx * 3 / 5;
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  e.binary = Value("{\"GetArcSpan\": 180, \"GetMeterSetting\": 1, \"GetMeterValue1\": 0, \"GetMeterValue2\": " +
                   Num(r.Chance(50) ? 100 : 250) + ", \"GetNeedleCenterX\": " + Num(e.dx / 2) +
                   ", \"GetNeedleCenterY\": " + Num(e.dy - 5) + ", \"GetNeedlePercent\": 100, \"GetNeedleScale\": " +
                   Num(e.dy * 2 / 3) + ", \"GetNeedleWidth\": 1}");
  return e;
}

// A framed picture (VarType 22, "TG") whose picture moves with two operands.
Element FramedPicture(DisplayState& d, std::span<const Image> images) {
  Random& r = d.Rand();
  Element e = Start(r, 22);
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  e.dx = 100;
  e.dy = 80;
  e.binary = Value(
      "{\"GetFrameLeft\": 10, \"GetFrameTop\": 10, \"GetFrameWidth\": 80, \"GetFrameHeight\": 60, "
      "\"GetFrameOperand1Type\": 2, \"GetFrameOperand1Addr\": " +
      Num(d.TakeValue()) + ", \"GetFrameOperand2Type\": 2, \"GetFrameOperand2Addr\": " + Num(d.TakeValue()) +
      ", \"GetFramePicture\": " + ImageEntry(EightBit(images, r)) + ", \"GetFrameSetting\": 1}");
  return e;
}

// The part rectangles of a trend of 220 x 150: buttons along the bottom, the plot and its scale.
std::string TrendParts() {
  return "\"GetPartRect\": [{\"x\": 4, \"y\": 130, \"w\": 40, \"h\": 16}, {\"x\": 50, \"y\": 130, \"w\": 40, \"h\": "
         "16}, {\"x\": 96, \"y\": 130, \"w\": 24, \"h\": 16}, {\"x\": 4, \"y\": 4, \"w\": 212, \"h\": 2}, {\"x\": 4, "
         "\"y\": 110, \"w\": 212, \"h\": 2}, {\"x\": 126, \"y\": 130, \"w\": 24, \"h\": 16}, {\"x\": 156, \"y\": 130, "
         "\"w\": 24, \"h\": 16}, {\"x\": 10, \"y\": 8, \"w\": 200, \"h\": 100}, {\"h\": 100}, {\"x\": 10, \"y\": 114, "
         "\"w\": 200, \"h\": 14}, {\"x\": 186, \"y\": 130, \"w\": 24, \"h\": 16}]";
}

// A trend (VarType 23, "TR") of trend 1 or 2 of the trends tree with their curves.
Element Trend(DisplayState& d) {
  Random& r = d.Rand();
  Element e = Start(r, 23);
  e.dx = 220;
  e.dy = 150;
  int32_t trend = r.Between(1, 2), first = (trend - 1) * 8 + 1;
  e.binary = Value("{\"GetTrendNumber\": " + Num(trend) +
                   ", \"GetPointSpacing\": 2, \"GetXTicks\": 10, \"GetYTicks\": 5, \"GetTrendSettingG\": 1, "
                   "\"GetButtonColor\": 7, \"GetButtonTextColor\": 15, " +
                   TrendParts() + ", \"GetCurves\": [{\"GetCurveId\": " + Num(first) +
                   ", \"GetCurveOperandType\": 2, \"GetCurveOperandAddr\": " + Num(d.TakeValue()) +
                   ", \"GetCurveName\": \"Actual\"}, {\"GetCurveId\": " + Num(first + 1) +
                   ", \"GetCurveOperandType\": 2, \"GetCurveOperandAddr\": " + Num(d.TakeValue()) +
                   ", \"GetCurveName\": \"Setpoint\"}]}");
  return e;
}

// A trend of sampled values (VarType 27, "TS") with its entries.
Element SampledTrend(DisplayState& d) {
  Element e = Start(d.Rand(), 27);
  e.dx = 220;
  e.dy = 150;
  std::string blob = "{\"GetOperandAType\": 2, \"GetOperandAAddr\": " + Num(d.TakeValue()) +
                     ", \"GetOperandBType\": 2, \"GetOperandBAddr\": " + Num(d.TakeValue()) +
                     ", \"GetPointSpacing\": 4, \"GetXTicks\": 10, \"GetYTicks\": 5, \"GetButtonColor\": 7, "
                     "\"GetLabelColor\": 15, \"GetPanelColor\": 8, \"GetClosingOperandType\": 2, "
                     "\"GetClosingOperandAddr\": " +
                     Num(d.TakeValue()) + ", " + TrendParts() + ", \"GetEntries\": [";
  for (int i = 0; i < 2; ++i) {
    blob += std::string(i ? ", " : "") +
            "{\"GetEntryOperand1Type\": 2, \"GetEntryOperand1Addr\": " + Num(d.TakeValue()) +
            ", \"GetEntrySetting\": " + Num(i + 1) + "}";
  }
  e.binary = Value(blob + "]}");
  return e;
}

// A cell layout (VarType 24, "LG"): a row of keypad cells.
Element CellLayout(DisplayState& d) {
  Random& r = d.Rand();
  Element e = Start(r, 24);
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  e.flat3D = 3;
  int32_t cells = r.Between(2, 4);
  e.dx = 8 + 44 * cells;
  e.dy = 30;
  std::string entries;
  for (int32_t c = 0; c < cells; ++c) {
    int32_t x = 4 + 44 * c;
    entries += std::string(c ? ", " : "") + Num(c + 1) + ", 0, 0, 0, " + Num(x & 255) + ", " + Num(x >> 8) +
               ", 4, 0, 40, 0, 22, 0, 0, 0";
  }
  e.binary = Value("{\"GetCellCount\": " + Num(cells) + ", \"GetCellEntries\": [" + entries +
                   "], \"GetCellSetting1\": 1, \"GetCellValue1\": 0, \"GetCellValue2\": 99}");
  return e;
}

// A point list (VarType 25, "TM"): a line plotted through points inside its plot area.
Element PointList(DisplayState& d) {
  Random& r = d.Rand();
  Element e = Start(r, 25);
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  e.flat3D = 1;
  e.dx = 150;
  e.dy = 100;
  int32_t points = r.Between(2, 5);
  std::string xs, ys;
  for (int32_t p = 0; p < points; ++p) {
    xs += std::string(p ? ", " : "") + Num(10 + 110 * p / (points - 1));
    ys += std::string(p ? ", " : "") + Num(r.Between(10, 80));
  }
  e.binary = Value(
      "{\"GetPlotArea\": {\"x\": 2, \"y\": 2, \"w\": 138, \"h\": 88}, \"GetPlotColor\": " + Num(r.Between(1, 12)) +
      ", \"GetPlotOperand1Type\": 2, \"GetPlotOperand1Addr\": " + Num(d.TakeValue()) +
      ", \"GetPlotSetting1\": 1, \"GetPointCount\": " + Num(points) + ", \"GetPointCoordinates\": {\"X\": [" + xs +
      "], \"Y\": [" + ys + "]}}");
  return e;
}

// The kinds of the mix and how many of a thousand elements are of each.
enum class Made {
  Classic,
  Number,
  NumberAlt,
  Ranged,
  Clock,
  Timer,
  Entry,
  TextField,
  Operator,
  Unicode,
  EntryText,
  TextList,
  RangeList,
  StateButton,
  PictureButton,
  PictureList,
  PictureRange,
  Bar,
  Meter,
  Framed,
  Trend,
  Sampled,
  Cells,
  Points
};

struct EveryKind {
  Made made;
  ClassicKind classic;  // for Made::Classic
  bool entry;           // the entry form (touch -2)
  int32_t weight;       // per thousand elements
};

constexpr EveryKind kKinds[] = {
    {Made::Classic, ClassicKind::TextBox, false, 200},
    {Made::Classic, ClassicKind::Frame, false, 20},
    {Made::Classic, ClassicKind::Rectangle, false, 55},
    {Made::Classic, ClassicKind::Line, false, 30},
    {Made::Classic, ClassicKind::Ellipse, false, 25},
    {Made::Classic, ClassicKind::RoundRect, false, 15},
    {Made::Classic, ClassicKind::TextButton, false, 74},
    {Made::Classic, ClassicKind::Picture, false, 25},
    {Made::Classic, ClassicKind::VarPicture, false, 20},
    {Made::Number, {}, false, 150},
    {Made::Number, {}, true, 60},
    {Made::NumberAlt, {}, false, 10},
    {Made::NumberAlt, {}, true, 5},
    {Made::Ranged, {}, false, 20},
    {Made::Ranged, {}, true, 10},
    {Made::Clock, {}, false, 10},
    {Made::Clock, {}, true, 5},
    {Made::Timer, {}, false, 15},
    {Made::Timer, {}, true, 5},
    {Made::Entry, {}, false, 4},
    {Made::Entry, {}, true, 10},
    {Made::TextField, {}, false, 10},
    {Made::TextField, {}, true, 10},
    {Made::Operator, {}, false, 5},
    {Made::Operator, {}, true, 10},
    {Made::Unicode, {}, false, 5},
    {Made::Unicode, {}, true, 5},
    {Made::EntryText, {}, false, 8},
    {Made::TextList, {}, false, 30},
    {Made::RangeList, {}, false, 15},
    {Made::StateButton, {}, false, 60},
    {Made::PictureButton, {}, false, 25},
    {Made::PictureList, {}, false, 15},
    {Made::PictureRange, {}, false, 10},
    {Made::Bar, {}, false, 10},
    {Made::Meter, {}, false, 3},
    {Made::Framed, {}, false, 3},
    {Made::Trend, {}, false, 2},
    {Made::Sampled, {}, false, 1},
    {Made::Cells, {}, false, 3},
    {Made::Points, {}, false, 2},
};

constexpr int32_t TotalWeight() {
  int32_t total = 0;
  for (const EveryKind& k : kKinds) total += k.weight;
  return total;
}
static_assert(TotalWeight() == 1000, "the weights share out a thousand elements");

Element Make(DisplayState& d, std::span<const Image> images, const EveryKind& k) {
  switch (k.made) {
    case Made::Classic: return MakeClassicKind(d, images, k.classic);
    case Made::Number: return Number(d, 8, k.entry);
    case Made::NumberAlt: return Number(d, 13, k.entry);
    case Made::Ranged: return RangedNumber(d, k.entry);
    case Made::Clock: return Clock(d, k.entry);
    case Made::Timer: return Timer(d, k.entry);
    case Made::Entry: return EntryField(d, k.entry);
    case Made::TextField: return TextField(d, k.entry);
    case Made::Operator: return StringEntry(d, 16, k.entry);
    case Made::Unicode: return StringEntry(d, 19, k.entry);
    case Made::EntryText: return EntryText(d);
    case Made::TextList: return TextList(d, 3);
    case Made::RangeList: return TextList(d, 11);
    case Made::StateButton: return StateButton(d);
    case Made::PictureButton: return PictureButton(d, images);
    case Made::PictureList: return PictureList(d, images, 4);
    case Made::PictureRange: return PictureList(d, images, 12);
    case Made::Bar: return BarGraph(d);
    case Made::Meter: return Meter(d);
    case Made::Framed: return FramedPicture(d, images);
    case Made::Trend: return Trend(d);
    case Made::Sampled: return SampledTrend(d);
    case Made::Cells: return CellLayout(d);
    case Made::Points: return PointList(d);
  }
  return {};
}

// Kinds that always answer a touch (trends, entry texts, switches) keep out of the layers over
// the first.
bool AlwaysTouched(const EveryKind& k, const Element& e) {
  bool isSwitch = !e.binary.IsNull() && e.binary.ToString().find("\"IsSwitch\": true") != std::string::npos;
  return k.made == Made::Trend || k.made == Made::Sampled || k.made == Made::EntryText || isSwitch;
}

const EveryKind& Roll(Random& r) {
  int32_t roll = r.Between(0, 999);
  for (const EveryKind& k : kKinds) {
    if (roll < k.weight) return k;
    roll -= k.weight;
  }
  return kKinds[0];  // not reached: the weights add up to a thousand
}

// An element of a kind, sized but not yet placed; a Type 5 kind named uniquely on its display.
Element MakeOfKind(DisplayState& d, std::span<const Image> images, const EveryKind& kind) {
  Random& r = d.Rand();
  Element e = Make(d, images, kind);
  ClassicKind c = kind.classic;
  bool shape =
      c == ClassicKind::Rectangle || c == ClassicKind::Line || c == ClassicKind::Ellipse || c == ClassicKind::RoundRect;
  if (kind.made == Made::Classic && shape) {  // the classic sizes, made smaller to leave room for the rest
    int32_t most = c == ClassicKind::Rectangle || c == ClassicKind::Line ? 120 : 60;
    e.dx = std::clamp(e.dx, -most, most);
    e.dy = std::min(e.dy, most / 2);
  } else if (kind.made != Made::Classic) {
    e.text = d.UniqueName(r.Pick<std::string>(kWords));
    if (e.colorBack == 0) e.colorBack = 15;
    e.colorFore = r.Between(0, 7);
    e.colorBackTouch = e.colorBack;
    e.colorForeTouch = e.colorFore;
    if (kind.entry) {
      e.touch = -2;
      e.descriptionFont = 1;
    }
  }
  return e;
}

// Puts the element where the layout has room, on a new layer when the display is full.
void Place(ScreenLayout& layout, Element& e) {
  int32_t width = std::abs(e.dx), xs = 0, ys = 0;
  if (!layout.Take(width, e.dy, xs, ys)) {
    layout.NewLayer();
    if (!layout.Take(width, e.dy, xs, ys)) xs = 0, ys = 0;
  }
  e.xs = e.dx < 0 ? xs + width : xs;  // a line drawn right to left starts at its right end
  e.ys = ys;
}

}  // namespace

int32_t EveryKindCount() { return static_cast<int32_t>(std::size(kKinds)); }

Element MakeEveryKindElement(DisplayState& d, ScreenLayout& layout, std::span<const Image> images, int32_t forced) {
  Random& r = d.Rand();
  const EveryKind* kind = forced >= 0 ? &kKinds[forced] : &Roll(r);
  Element e = MakeOfKind(d, images, *kind);
  Place(layout, e);
  if (layout.Layer() > 0) {  // over the first layer: no touch
    if (AlwaysTouched(*kind, e)) {
      kind = &kKinds[0];
      e = MakeOfKind(d, images, *kind);
      Place(layout, e);
    }
    e.touch = -1;
    e.tab = 255;
    e.enabled = -1;
  } else if (kind->made != Made::Classic && e.touch != -1) {
    e.tab = d.TakeTab();
  }
  if (e.touch == -1 && r.Chance(10)) e.visible = d.TakeVisible();  // a hide operand
  return e;
}

}  // namespace brisklet::generator
