// Linked text blocks found by their fields: "<block> font", "colour", "alignment", "anchor" and
// "text address"; a block beside "<block> operand" shows a text operand's value, not drawn.
#include "preview/LinkedTexts.h"

#include <algorithm>
#include <string>

#include "base/CodePage.h"
#include "decoding/FieldNames.h"
#include "preview/ElementDrawing.h"

namespace brisklet {
namespace {

// Whether a field belongs to an item other than the first ("... item 2 ...").
bool OfALaterItem(const std::string& name) {
  std::string first = field::Prefix({field::Counted(field::kItem, 1)});
  size_t at = name.find(field::Prefix({field::kItem}));
  return at != std::string::npos && name.compare(at, first.size(), first) != 0;
}

// How far the text stands back from its anchor for a column or row code of 0, 1 or 2.
int32_t Back(int64_t code, int32_t size) { return code == 1 ? size / 2 : code == 2 ? size : 0; }

}  // namespace

void DrawLinkedTexts(const RecordView& r, Canvas& canvas, PanelFonts& fonts, TextTable& texts,
                     std::vector<std::string>& notices) {
  for (const DecodedField& f : r.Fields().fields) {
    const std::string& name = f.name;
    if (!name.ends_with(field::kAnchor) || name.ends_with(field::kEntryAnchors) || OfALaterItem(name)) continue;
    std::string prefix = name.substr(0, name.size() - field::kAnchor.size());
    auto font = r.Number(prefix + std::string(field::kFont)),
         index = r.Number(prefix + std::string(field::kTextAddress));
    if (!font || !index || r.Fields().Find(prefix + std::string(field::kOperand))) continue;
    std::optional<std::string> text = texts.Text(*index);
    Bytes bytes = text ? ToCodePage(*text, fonts.CodePage()) : Bytes{};
    auto alignment = r.Number(prefix + std::string(field::kAlignment)).value_or(0);
    Box box = fonts.LineBox(static_cast<uint32_t>(*font), bytes);
    Point anchor = r.PointAt(r.NumberOf(f).value_or(-1));
    if (!text) {
      int32_t side = std::max(box.height, 8);
      DrawMissing(canvas, {anchor.x - Back(alignment & 0xF, side), anchor.y - Back(alignment >> 4, side), side, side});
      notices.push_back("text " + std::to_string(*index) + " is not in the text table: crossed out");
      continue;
    }
    auto colour = static_cast<uint32_t>(r.Number(prefix + std::string(field::kColour)).value_or(0));
    fonts.DrawLine(canvas, static_cast<uint32_t>(*font), anchor.x - Back(alignment & 0xF, box.width),
                   anchor.y - Back(alignment >> 4, box.height), bytes, PanelColour(colour));
  }
}

}  // namespace brisklet
