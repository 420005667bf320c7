// Linked text blocks found by their fields: "<block> font", "colour", "alignment", "anchor",
// "text address" and "entry anchors".
#include "preview/LinkedTexts.h"

#include <string>

#include "base/CodePage.h"

namespace brisklet {
namespace {

constexpr std::string_view kAnchor = "anchor";

// Whether a field belongs to an item other than the first ("... item 2 ...").
bool OfALaterItem(const std::string& name) {
  size_t at = name.find("item ");
  return at != std::string::npos && name.compare(at, 7, "item 1 ") != 0;
}

// How far the text stands back from its anchor for a column or row code of 0, 1 or 2.
int32_t Back(int64_t code, int32_t size) { return code == 1 ? size / 2 : code == 2 ? size : 0; }

}  // namespace

void DrawLinkedTexts(const RecordView& r, Canvas& canvas, PanelFonts& fonts, TextTable& texts) {
  for (const DecodedField& field : r.Fields().fields) {
    if (!field.name.ends_with(kAnchor) || field.name.ends_with("entry anchors") || OfALaterItem(field.name)) continue;
    std::string prefix = field.name.substr(0, field.name.size() - kAnchor.size());
    auto font = r.Number(prefix + "font"), index = r.Number(prefix + "text address");
    if (!font || !index || !r.Fields().Find(prefix + "entry anchors")) continue;
    std::optional<std::string> text = texts.Text(*index);
    if (!text) continue;
    Bytes bytes = ToCodePage(*text, fonts.CodePage());
    auto alignment = r.Number(prefix + "alignment").value_or(0);
    Box box = fonts.LineBox(static_cast<uint32_t>(*font), bytes);
    Point anchor = r.PointAt(r.NumberOf(field).value_or(-1));
    auto colour = static_cast<uint32_t>(r.Number(prefix + "colour").value_or(0));
    fonts.DrawLine(canvas, static_cast<uint32_t>(*font), anchor.x - Back(alignment & 0xF, box.width),
                   anchor.y - Back(alignment >> 4, box.height), bytes, PanelColour(colour));
  }
}

}  // namespace brisklet
