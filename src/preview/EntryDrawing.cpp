// Value texts and entries. A record of a timer, a clock, a string entry or a text field does not
// hold the text the compiler measured (it comes from the element's properties), so a stand-in
// of the kind's shape stands at its text position, cut at the frame's right edge.
#include "preview/EntryDrawing.h"

#include <algorithm>
#include <string>

#include "decoding/FieldNames.h"
#include "encoding/CalendarTexts.h"
#include "preview/ValueDrawing.h"

namespace brisklet {
namespace {

constexpr int64_t kHundredthsTimer = 1;  // the timer's format code of a format with hundredths
constexpr int64_t kTimeEntry = 1, kNumberEntry = 5;
constexpr int64_t kLongestStandIn = 255;  // a text field shows at most a length byte's characters

std::string Field(const std::string& prefix, std::initializer_list<std::string_view> words) {
  return prefix + field::Name(words);
}

// The entry text's fixed text 2, else its fixed text 1: what the compiler fitted.
std::string EntryTextSample(const RecordView& r, const std::string& prefix) {
  for (size_t text : {2, 1}) {
    const DecodedField* f = r.Fields().Find(Field(prefix, {field::Counted(field::kText, text), field::kText}));
    if (f && f->size > 0) {
      auto bytes = r.BytesOf(*f);
      return std::string(bytes.begin(), bytes.end());
    }
  }
  return "";
}

// The picker's cells, each framed, with the name the record gives it at its position.
void DrawPickerGrid(const RecordView& r, const std::string& prefix, int64_t mode, DrawingTools& t) {
  KeypadGrid grid = KeypadGridOf(static_cast<int32_t>(mode));
  auto width = r.Number(Field(prefix, {field::kGrid, field::kCellWidth}));
  auto height = r.Number(Field(prefix, {field::kGrid, field::kCellHeight}));
  auto first = r.Number(Field(prefix, {field::kGrid, field::kFirstCell}));
  auto font = r.Number(prefix + std::string(field::kFont));
  if (!width || !height || !first || !font) return;
  Point origin = r.PointAt(*first);
  Rgb frame = FrameColour(r), fore = ForeColour(r);
  for (int32_t row = 0; row < grid.rows; ++row) {
    for (int32_t column = 0; column < grid.columns; ++column) {
      t.canvas.Frame({origin.x + column * static_cast<int32_t>(*width), origin.y + row * static_cast<int32_t>(*height),
                      static_cast<int32_t>(*width), static_cast<int32_t>(*height)},
                     frame);
      std::string cell = Field(prefix, {field::kNames, field::Counted(field::kCell, row * grid.columns + column + 1)});
      const DecodedField* name = r.Fields().Find(cell + " " + std::string(field::kName));
      auto at = r.Number(cell + " " + std::string(field::kPosition));
      if (!name || !at) continue;
      Point p = r.PointAt(*at);
      t.fonts.DrawLine(t.canvas, static_cast<uint32_t>(*font), p.x, p.y, r.BytesOf(*name), fore);
    }
  }
}

// What a kind shows in place of the value, by its tag ("EN" and "LN" alike).
std::string StandIn(const RecordView& r, const std::string& prefix) {
  char kind = prefix.size() > 2 ? prefix[2] : ' ';
  switch (kind) {
    case 'T': return r.Number(prefix + std::string(field::kFormatCode)) == kHundredthsTimer ? "00:00.00" : "00:00";
    case 'C': return "00:00:00";
    case 'O':
    case 'U': return "Abc";
    case 'A':
      return std::string(static_cast<size_t>(std::clamp<int64_t>(
                             r.Number(prefix + std::string(field::kFieldLength)).value_or(0), 0, kLongestStandIn)),
                         'A');
    case 'P': return EntryTextSample(r, prefix);
    default: return "";
  }
}

}  // namespace

void DrawValueText(const RecordView& r, DrawingTools& t) {
  DrawBorder(r, t);
  std::string prefix = KindPrefix(r);
  if (prefix.empty()) return;
  DrawEntryLabel(r, prefix, t);
  if (prefix[2] != 'F') {
    DrawSample(r, prefix, StandIn(r, prefix), t);
    return;
  }
  int64_t mode = r.Number(prefix + std::string(field::kEntryMode)).value_or(-1) + 1;
  if (mode == kTimeEntry || mode == kNumberEntry) {
    DrawSample(r, prefix, mode == kNumberEntry ? "9999" : "00:00", t);
  } else {
    DrawPickerGrid(r, prefix, mode, t);
  }
}

}  // namespace brisklet
