// Timers: "LT" shows a controller timer as a time in one of a set of formats; "ET", its entry
// form, lets the operator set it. The frame must hold the format's widest text, measured by
// the timer's size service.
//
// "LT": tag "LT" (2), main block (11).  "ET": label block "ET" with the count block (count 1,
// GetTimerEntryCode), main block (11).
//
// Main block:
//  OFFSET SIZE DESCRIPTION
//   0      2   font index (FontNumber; 0 for an unknown font)
//   2      1   style
//   3      1   zero
//   4      4   sample text position
//   8      1   setting A
//   9      1   setting B
//  10      1   format code: 1 for kind 1 sub-kind 2, 2 for kind 2, else 0
#include <map>

#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/KindRegistry.h"
#include "elements/MinimumSize.h"
#include "elements/TimerProperties.h"
#include "elements/ValueFields.h"
#include "host/HostFactory.h"

namespace brisklet {
namespace {

int32_t TimerFormatCode(const TimerProperties& p) {
  int32_t kind = p.GetTimerKind();
  if (kind == 1) return p.GetTimerSubKind() == 2 ? 1 : 0;
  return kind == 2 ? 2 : 0;
}

void ReplaceAll(std::string& text, char from, char to) {
  for (char& c : text) {
    if (c == from) c = to;
  }
}

}  // namespace

std::string TimerSampleText(const std::string& format) {
  static const std::map<std::string, std::string> kSamples = {{"MM", "99"},
                                                              {"SS.hh", "99.99"},
                                                              {"MM:SS", "99:99"},
                                                              {"HH:MM", "99:99"},
                                                              {"MM:SS.hh", "99:99.99"},
                                                              {"HH:MM:SS", "99:99:99"},
                                                              {"HH:MM:SS.hh", "99:99:99.99"}};
  if (auto it = kSamples.find(format); it != kSamples.end()) return it->second;
  std::string sample = format;
  ReplaceAll(sample, 'S', '9');
  ReplaceAll(sample, 'h', '9');
  ReplaceAll(sample, '.', '*');
  return sample;
}

// The format is the text object's text; it is measured in the text object's font and frame style.
void TimerMinimumSize(TimerProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText) {
  MeasureFormatSample(pVar.GetTextObject(), &TimerSampleText, pDx, pDy, pActualText);
}

Bytes ElementCompiler::prvCompileTimer(Recordset& row, std::string_view tag) {
  TimerProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  ByteWriter out;
  if (prvGetTouchKind(row) == kTouchEntry) {
    out.bytes(prvCompileEntryLabel(row, EntryTagOf(tag), 1, p.GetTimerEntryCode()));
  } else {
    out.tag(tag);
  }
  out.u16(FontIndexField(row.Long("FontNumber")), "font")
      .u8(CByte(p.GetTimerStyle(), "GetTimerStyle"), "style")
      .u8(0, "reserved");
  // `text` is a view into p's blob, not a copy of its values: the frame style and font set here
  // are what TimerMinimumSize measures with when it reads p's text object again.
  TextObject text = p.GetTextObject();
  text.SetFrameStyle(row.Long("Flat3D"));
  text.SetFont(row.Long("FontNumber"));
  int32_t width = 0, height = 0;
  std::string sample;
  TimerMinimumSize(p, width, height, sample);
  if (!prvFrameHolds(row, width, height)) return {};
  return out.i32(SampleTextPosition(row, sample), "text position")
      .u8(CByte(p.GetTimerSettingA(), "GetTimerSettingA"), "setting A")
      .u8(CByte(p.GetTimerSettingB(), "GetTimerSettingB"), "setting B")
      .u8(CByte(TimerFormatCode(p), "format code"), "format code")
      .take();
}

}  // namespace brisklet
