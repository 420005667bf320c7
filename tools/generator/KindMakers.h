// The makers of the every-kind mix, one per element kind (tools/generator/ValueKinds.cpp,
// GraphKinds.cpp), and what they share; EveryKindElements.cpp chooses among them.
#pragma once
#include <span>
#include <string>

#include "generator/GeneratorParts.h"

namespace brisklet::generator::every {

inline std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
inline std::string Num(int64_t n) { return std::to_string(n); }

// A Type 5 element of a VarType in one of the two fonts.
inline Element Start(Random& r, int32_t varType) {
  Element e;
  e.type = 5;
  e.varType = varType;
  e.font = r.Chance(80) ? 1 : 2;
  return e;
}

// A Type 5 element of a VarType shown on the next value operand (an MI).
inline Element OnValue(DisplayState& d, int32_t varType) {
  Element e = Start(d.Rand(), varType);
  e.varOprndType = 2;
  e.varOprndAddr = d.TakeValue();
  return e;
}

// Sizes an element so that `sample` fits inside its frame, with a little room to spare.
inline void FitTo(Element& e, const std::string& sample, Random& r, int32_t extraWidth = 0) {
  int32_t width = 0, lines = 0;
  Measure(sample, e.font, width, lines);
  int32_t margin = FrameMargin(e.flat3D);
  e.dx = width + extraWidth + 2 * margin + r.Between(4, 16);
  e.dy = lines * LineHeight(e.font) + 2 * margin + r.Between(2, 6);
}

inline const Image& EightBit(std::span<const Image> images, Random& r) {
  return images[static_cast<size_t>(r.Between(0, 5))];  // the first six are 8-bit
}

inline std::string ImageEntry(const Image& image, const std::string& more = "") {
  return "{\"ImageCrc\": " + Num(image.crc) + more + "}";
}

Element Number(DisplayState& d, int32_t varType, bool entry);
Element RangedNumber(DisplayState& d, bool entry);
Element Clock(DisplayState& d, bool entry);
Element Timer(DisplayState& d, bool entry);
Element EntryField(DisplayState& d, bool entry);
Element TextField(DisplayState& d, bool entry);
Element StringEntry(DisplayState& d, int32_t varType, bool entry);
Element EntryText(DisplayState& d);
Element TextList(DisplayState& d, int32_t varType);
Element StateButton(DisplayState& d);
Element PictureButton(DisplayState& d, std::span<const Image> images);
Element PictureList(DisplayState& d, std::span<const Image> images, int32_t varType);
Element BarGraph(DisplayState& d);
Element Meter(DisplayState& d);
Element FramedPicture(DisplayState& d, std::span<const Image> images);
Element Trend(DisplayState& d);
Element SampledTrend(DisplayState& d);
Element CellLayout(DisplayState& d);
Element PointList(DisplayState& d);

}  // namespace brisklet::generator::every
