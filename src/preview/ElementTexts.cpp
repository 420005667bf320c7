// Texts drawn from the fields of static text blocks: "<block> font", "<block> colour",
// "<block> line N position", then "<block> line N", the characters.
#include "preview/ElementTexts.h"

#include <map>
#include <string>

#include "decoding/FieldNames.h"

namespace brisklet {
namespace {

// Whether a field belongs to an item other than the first ("... item 2 ...").
bool OfALaterItem(const std::string& name) {
  std::string first = field::Prefix({field::Counted(field::kItem, 1)});
  size_t at = name.find(field::Prefix({field::kItem}));
  return at != std::string::npos && name.compare(at, first.size(), first) != 0;
}

}  // namespace

void DrawTexts(const RecordView& record, Canvas& canvas, PanelFonts& fonts) {
  int64_t font = -1;
  uint32_t colour = 0;
  std::map<std::string, Point> lines;  // "<block> line N" -> its position
  for (const DecodedField& f : record.Fields().fields) {
    const std::string& name = f.name;
    if (OfALaterItem(name)) continue;
    if (name.ends_with(" " + std::string(field::kFont))) {
      font = record.NumberOf(f).value_or(-1);
    } else if (name.ends_with(" " + std::string(field::kColour)) && name.find(field::kText) != std::string::npos) {
      colour = static_cast<uint32_t>(record.NumberOf(f).value_or(0));
    } else if (name.ends_with(" " + std::string(field::kPosition)) &&
               name.find(field::Prefix({"", field::kLine})) != std::string::npos) {
      lines[name.substr(0, name.size() - field::kPosition.size() - 1)] =
          record.PointAt(record.NumberOf(f).value_or(-1));
    } else if (auto line = lines.find(name); line != lines.end() && font >= 0) {
      fonts.DrawLine(canvas, static_cast<uint32_t>(font), line->second.x, line->second.y, record.BytesOf(f),
                     PanelColour(colour));
    }
  }
}

}  // namespace brisklet
