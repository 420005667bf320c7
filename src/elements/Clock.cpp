// Dates and clocks: "LC" shows the controller's real-time clock as a time or date in one of a
// set of formats; "EC", its entry form, lets the operator set it. The twin of the timer: the
// frame must hold the format's widest text, measured by the clock's size service.
//
// "LC": tag "LC" (2), main block (10).  "EC": label block "EC" with the count block (count 1,
// GetClockEntryCode), main block (10).
//
// Main block:
//  OFFSET SIZE DESCRIPTION
//   0      2   font index (FontNumber; 0 for an unknown font)
//   2      1   style
//   3      1   zero
//   4      4   sample text position
//   8      1   setting
//   9      1   zero
#include <map>

#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ClockProperties.h"
#include "elements/ElementCompiler.h"
#include "elements/KindRegistry.h"
#include "elements/MinimumSize.h"
#include "elements/ValueFields.h"
#include "host/HostFactory.h"

namespace brisklet {

// The seconds of "hh:mm:ss AM" are measured as "00".
std::string ClockSampleText(const std::string& format) {
  static const std::map<std::string, std::string> kSamples = {
      {"hh:mm", "99:99"},       {"hh:mm:ss", "99:99:99"}, {"dd/mm", "99/99"},       {"mm/dd", "99/99"},
      {"dd/mm/yy", "99/99/99"}, {"mm/dd/yy", "99/99/99"}, {"hh:mm AM", "99:99 AM"}, {"hh:mm:ss AM", "99:99:00 AM"}};
  auto it = kSamples.find(format);
  return it == kSamples.end() ? format : it->second;
}

void ClockMinimumSize(ClockProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText) {
  MeasureFormatSample(pVar.GetTextObject(), &ClockSampleText, pDx, pDy, pActualText);
}

Bytes ElementCompiler::prvCompileClock(Recordset& row, std::string_view tag) {
  ClockProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  ByteWriter out;
  if (prvGetTouchKind(row) == kTouchEntry) {
    out.bytes(prvCompileEntryLabel(row, EntryTagOf(tag), 1, p.GetClockEntryCode()));
  } else {
    out.tag(tag);
  }
  out.u16(FontIndexField(row.Long("FontNumber")), "font")
      .u8(CByte(p.GetClockStyle(), "GetClockStyle"), "style")
      .u8(0, "reserved");
  // `text` is a view into p's blob, not a copy of its values: the frame style and font set here
  // are what ClockMinimumSize measures with when it reads p's text object again.
  TextObject text = p.GetTextObject();
  text.SetFrameStyle(row.Long("Flat3D"));
  text.SetFont(row.Long("FontNumber"));
  int32_t width = 0, height = 0;
  std::string sample;
  ClockMinimumSize(p, width, height, sample);
  if (!prvFrameHolds(row, width, height)) return {};
  return out.i32(SampleTextPosition(row, sample), "text position")
      .u8(CByte(p.GetClockSetting(), "GetClockSetting"), "setting")
      .u8(0, "reserved")
      .take();
}

}  // namespace brisklet
