// Texts drawn from the fields of static text blocks: "<block> font", "<block> colour",
// "<block> line N position", then "<block> line N", the characters.
#include "preview/ElementTexts.h"

#include <map>
#include <string>

namespace brisklet {
namespace {

// Whether a field belongs to an item other than the first ("... item 2 ...").
bool OfALaterItem(const std::string& name) {
  size_t at = name.find("item ");
  return at != std::string::npos && name.compare(at, 7, "item 1 ") != 0;
}

}  // namespace

void DrawTexts(const RecordView& record, Canvas& canvas, PanelFonts& fonts) {
  int64_t font = -1;
  uint32_t colour = 0;
  std::map<std::string, Point> lines;  // "<block> line N" -> its position
  for (const DecodedField& field : record.Fields().fields) {
    const std::string& name = field.name;
    if (OfALaterItem(name)) continue;
    if (name.ends_with(" font")) {
      font = record.NumberOf(field).value_or(-1);
    } else if (name.ends_with(" colour") && name.find("text") != std::string::npos) {
      colour = static_cast<uint32_t>(record.NumberOf(field).value_or(0));
    } else if (name.ends_with(" position") && name.find(" line ") != std::string::npos) {
      lines[name.substr(0, name.size() - 9)] = record.PointAt(record.NumberOf(field).value_or(-1));
    } else if (auto line = lines.find(name); line != lines.end() && font >= 0) {
      fonts.DrawLine(canvas, static_cast<uint32_t>(font), line->second.x, line->second.y, record.BytesOf(field),
                     PanelColour(colour));
    }
  }
}

}  // namespace brisklet
