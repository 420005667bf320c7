// BRK107: a picture whose image row is missing: an element drawn by its picture without any, a
// picture row or a display background naming an image CRC the project's images do not have.
#include <string_view>

#include "base/Constants.h"
#include "database/Recordset.h"
#include "lint/ItemRows.h"
#include "lint/LintRules.h"

namespace brisklet {
namespace {

// The kinds the panel shows as a picture: those drawn by their picture.
std::string PictureKinds() {
  std::string kinds;
  auto add = [&kinds](int32_t type, int32_t varType, std::string_view drawer) {
    if (drawer != "PictureDrawing" && drawer != "PictureButtonDrawing" && drawer != "FramedPictureDrawing") return;
    kinds += std::string(kinds.empty() ? "" : " OR ") + "(HMI_Elements.Type = " + std::to_string(type) +
             (type == kTypeVariable ? " AND HMI_Elements.VarType = " + std::to_string(varType) : "") + ")";
  };
#define KIND(type, varType, tag, entryTag, download, entry, properties, background, touch, compiler, decoder, drawer) \
  add(type, varType, #drawer);
#define KIND_SHARED KIND
#define KIND_PENDING KIND
#include "base/ElementKinds.def"
#undef KIND_PENDING
#undef KIND_SHARED
#undef KIND
  return "(" + kinds + ")";
}

// A CRC that names no image (-1: no picture chosen).
std::string NamesNoImage(const std::string& crc) {
  return crc + " IS NOT NULL AND " + crc +
         " <> -1 AND NOT EXISTS (SELECT 1 FROM ProjectImages WHERE ProjectImages.CRC = " + crc + ")";
}

}  // namespace

void CheckPictures(const LintContext& context, LintFindings& found) {
  Recordset without(context.db,
                    std::string("SELECT ") + kElementPlace + kElementsOnDisplays + " WHERE " + kDownloaded + " AND " +
                        PictureKinds() +
                        " AND NOT EXISTS (SELECT 1 FROM ElementsAndImages WHERE Element_ID = HMI_Elements.ID)"
                        " ORDER BY HMI_Elements.DisplayID, HMI_Elements.ID",
                    0, 1);
  for (; !without.Eof(); without.MoveNext()) {
    found.push_back(ElementFinding(without, 107, ElementNamed(without) + " shows a picture but has none"));
  }
  Recordset unknown(context.db,
                    std::string("SELECT ") + kElementPlace + ", Image_Index, Image_CRC" + kElementsOnDisplays +
                        " INNER JOIN ElementsAndImages ON ElementsAndImages.Element_ID = HMI_Elements.ID WHERE " +
                        kDownloaded + " AND " + NamesNoImage("ElementsAndImages.Image_CRC") +
                        " ORDER BY HMI_Elements.DisplayID, HMI_Elements.ID, Image_Index",
                    0, 1);
  for (; !unknown.Eof(); unknown.MoveNext()) {
    found.push_back(ElementFinding(unknown, 107,
                                   "picture " + unknown.Field("Image_Index").SqlText() + " of " +
                                       ElementNamed(unknown) + " is image CRC " + unknown.Field("Image_CRC").SqlText() +
                                       ", which the project's images do not have"));
  }
  Recordset backgrounds(context.db,
                        std::string("SELECT ") + kDisplayPlace + ", Image_CRC" + kDisplays +
                            " INNER JOIN PagesAndImages ON PagesAndImages.Page_ID = Pages.Id WHERE " + kDownloaded +
                            " AND " + NamesNoImage("PagesAndImages.Image_CRC") + " ORDER BY Pages.Id",
                        0, 1);
  for (; !backgrounds.Eof(); backgrounds.MoveNext()) {
    found.push_back(DisplayFinding(backgrounds, 107,
                                   "the background of the display is image CRC " +
                                       backgrounds.Field("Image_CRC").SqlText() +
                                       ", which the project's images do not have"));
  }
}

}  // namespace brisklet
