// Number samples from the fields "<kind> digits before the point", "... after the point",
// "... flags", "... font", "... text position" and "... units".
#include "preview/NumberSamples.h"

#include <string>

#include "base/Bytes.h"
#include "decoding/FieldNames.h"

namespace brisklet {
namespace {

constexpr int64_t kNoSignFlags = 8 | 16;  // flags C and D: the number shows no sign

// The field prefix of the number's body ("\"LN\" "), or "" when the record has none.
std::string BodyPrefix(const RecordView& r) {
  for (const DecodedField& f : r.Fields().fields) {
    if (f.name.ends_with(field::kDigitsBefore)) return f.name.substr(0, f.name.size() - field::kDigitsBefore.size());
  }
  return "";
}

}  // namespace

void DrawNumberSample(const RecordView& r, Canvas& canvas, PanelFonts& fonts) {
  std::string prefix = BodyPrefix(r);
  if (prefix.empty()) return;
  auto before = r.Number(prefix + std::string(field::kDigitsBefore));
  auto after = r.Number(prefix + std::string(field::kDigitsAfter));
  auto font = r.Number(prefix + std::string(field::kFont));
  auto position = r.Number(prefix + std::string(field::kTextPosition));
  if (!before || !after || !font || !position) return;
  std::string sample = (r.Number(prefix + std::string(field::kFlags)).value_or(0) & kNoSignFlags) != 0 ? "" : "-";
  sample += std::string(static_cast<size_t>(*before), '0');
  if (*after > 0) sample += "." + std::string(static_cast<size_t>(*after), '0');
  Bytes text(sample.begin(), sample.end());
  if (const DecodedField* units = r.Fields().Find(prefix + field::Name({field::kUnits, field::kText}))) {
    std::span<const uint8_t> characters = r.BytesOf(*units);
    if (!characters.empty()) {
      text.push_back(' ');
      text.insert(text.end(), characters.begin(), characters.end());
    }
  }
  Point at = r.PointAt(*position);
  auto colour = static_cast<uint32_t>(r.Number(field::Name({field::kHeader, field::kTouchedForeColour})).value_or(0));
  fonts.DrawLine(canvas, static_cast<uint32_t>(*font), at.x, at.y, text, PanelColour(colour));
}

}  // namespace brisklet
