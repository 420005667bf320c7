// The every-kind mix's lists, buttons, pictures and graphs: text and picture lists, buttons,
// bar graphs, meters, framed pictures, trends, cell layouts and point lists.
#include <string>

#include "generator/KindMakers.h"

namespace brisklet::generator::every {

// A text list (VarType 3 "LL", 11 "LR" whose items stand for ranges of the operand).
Element TextList(DisplayState& d, int32_t varType) {
  Random& r = d.Rand();
  Element e = OnValue(d, varType);
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
  Element e = OnValue(d, varType);
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
  Element e = OnValue(d, 22);
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
  Element e = OnValue(d, 24);
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
  Element e = OnValue(d, 25);
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

}  // namespace brisklet::generator::every
