// BRK107: a picture whose image row is missing. A static picture takes its picture from its
// first picture row; picture buttons (two pictures), picture lists (ImageCount pictures) and
// framed pictures from their property blobs; text boxes, meters and point lists may have a
// picture row. Every picture the download would name must be among the project's images, as
// must each display's background.
#include <algorithm>
#include <functional>
#include <string_view>
#include <unordered_set>

#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "database/Recordset.h"
#include "elements/FramedPictureProperties.h"
#include "elements/KindProperties.h"
#include "elements/PictureProperties.h"
#include "lint/ItemRows.h"
#include "lint/LintRules.h"

namespace brisklet {
namespace {

// The condition that picks the kinds whose records the given compilers build.
std::string KindsBuiltBy(std::initializer_list<std::string_view> compilers) {
  std::string kinds;
  auto add = [&](int32_t type, int32_t varType, std::string_view compiler) {
    if (std::find(compilers.begin(), compilers.end(), compiler) == compilers.end()) return;
    kinds += std::string(kinds.empty() ? "" : " OR ") + "(HMI_Elements.Type = " + std::to_string(type) +
             (type == kTypeVariable ? " AND HMI_Elements.VarType = " + std::to_string(varType) : "") + ")";
  };
#define KIND(type, varType, tag, entryTag, download, entry, properties, background, touch, compiler, decoder, drawer) \
  add(type, varType, #compiler);
#define KIND_SHARED KIND
#define KIND_PENDING KIND
#include "base/ElementKinds.def"
#undef KIND_PENDING
#undef KIND_SHARED
#undef KIND
  return "(" + kinds + ")";
}

// A CRC that names no image (-1 in a picture row: no picture chosen).
std::string NamesNoImage(const std::string& crc) {
  return crc + " IS NOT NULL AND " + crc +
         " <> -1 AND NOT EXISTS (SELECT 1 FROM ProjectImages WHERE ProjectImages.CRC = " + crc + ")";
}

std::string Unknown(const std::string& crc) { return "image CRC " + crc + ", which the project's images do not have"; }

// The pictures a blob-picture kind names, in the order of its record (CRC 0 for one it lacks).
std::vector<int64_t> BlobPictures(int32_t varType, const Bytes& blob) {
  std::vector<int64_t> crcs;
  if (varType == kVarPictureButton) {
    ButtonProperties button;
    button.LoadFromBinary(blob);
    auto pictures = button.Image();
    for (int k = 1; k <= 2; ++k) crcs.push_back(Indexed(pictures, k).ImageCrc());
  } else if (varType == kVarFramedPicture) {
    FramedPictureProperties frame;
    frame.LoadFromBinary(blob);
    crcs.push_back(frame.GetFramePicture().ImageCrc());
  } else {
    PictureListProperties list;
    list.LoadFromBinary(blob);
    auto pictures = list.ImageAt();
    for (int32_t k = 1; k <= list.ImageCount(); ++k) crcs.push_back(Indexed(pictures, k).ImageCrc());
  }
  return crcs;
}

void CheckBlobPictures(const LintContext& context, LintFindings& found) {
  std::unordered_set<int64_t> images;
  for (Recordset rs(context.db, "SELECT CRC FROM ProjectImages", 0, 1); !rs.Eof(); rs.MoveNext()) {
    if (const int64_t* crc = rs.Field("CRC").IntegerPtr()) images.insert(*crc);
  }
  Recordset rows(context.db,
                 std::string("SELECT ") + kElementPlace +
                     ", HMI_Elements.VarType AS VarType, HMI_Elements.Binary AS Binary" + kElementsOnDisplays +
                     " WHERE " + Downloaded(context) + " AND " +
                     KindsBuiltBy({"prvCompilePictureButton", "prvCompilePictureList", "prvCompileOperandPictureList",
                                   "prvCompileFramedPicture"}) +
                     " ORDER BY HMI_Elements.DisplayID, HMI_Elements.ID",
                 0, 1);
  for (; !rows.Eof(); rows.MoveNext()) {
    std::vector<int64_t> crcs;
    try {
      crcs = BlobPictures(WholeOf(rows.Field("VarType")).value_or(0), rows.Field("Binary").ToBytes("Binary"));
    } catch (const RuntimeError&) {
      continue;  // a broken blob: the compile names it
    }
    if (std::ranges::all_of(crcs, [](int64_t crc) { return crc == 0; })) {
      found.push_back(ElementFinding(rows, 107, ElementNamed(rows) + " shows a picture but has none", 2));
      continue;
    }
    for (size_t k = 0; k < crcs.size(); ++k) {
      if (images.contains(crcs[k])) continue;
      std::string which = "picture " + std::to_string(k + 1) + " of " + ElementNamed(rows);
      found.push_back(ElementFinding(
          rows, 107, crcs[k] == 0 ? which + " is not given" : which + " is " + Unknown(std::to_string(crcs[k])), 2));
    }
  }
}

}  // namespace

void CheckPictures(const LintContext& context, LintFindings& found) {
  Recordset without(context.db,
                    std::string("SELECT ") + kElementPlace + kElementsOnDisplays + " WHERE " + Downloaded(context) +
                        " AND " + KindsBuiltBy({"prvCompileStaticPicture"}) +
                        " AND NOT EXISTS (SELECT 1 FROM ElementsAndImages WHERE Element_ID = HMI_Elements.ID AND "
                        "Image_Index = 0 AND Image_CRC <> -1) ORDER BY HMI_Elements.DisplayID, HMI_Elements.ID",
                    0, 1);
  for (; !without.Eof(); without.MoveNext()) {
    found.push_back(ElementFinding(without, 107, ElementNamed(without) + " shows a picture but has none"));
  }
  Recordset unknown(context.db,
                    std::string("SELECT ") + kElementPlace + ", Image_Index, Image_CRC" + kElementsOnDisplays +
                        " INNER JOIN ElementsAndImages ON ElementsAndImages.Element_ID = HMI_Elements.ID WHERE " +
                        Downloaded(context) + " AND " + NamesNoImage("ElementsAndImages.Image_CRC") +
                        " ORDER BY HMI_Elements.DisplayID, HMI_Elements.ID, Image_Index",
                    0, 1);
  for (; !unknown.Eof(); unknown.MoveNext()) {
    found.push_back(ElementFinding(unknown, 107,
                                   "picture row " + unknown.Field("Image_Index").SqlText() + " of " +
                                       ElementNamed(unknown) + " is " + Unknown(unknown.Field("Image_CRC").SqlText()),
                                   1));
  }
  CheckBlobPictures(context, found);
  Recordset backgrounds(context.db,
                        std::string("SELECT ") + kDisplayPlace + ", Image_CRC" + kDisplays +
                            " INNER JOIN PagesAndImages ON PagesAndImages.Page_ID = Pages.Id WHERE " +
                            Downloaded(context) + " AND " + NamesNoImage("PagesAndImages.Image_CRC") +
                            " ORDER BY Pages.Id",
                        0, 1);
  for (; !backgrounds.Eof(); backgrounds.MoveNext()) {
    found.push_back(DisplayFinding(
        backgrounds, 107, "the background of the display is " + Unknown(backgrounds.Field("Image_CRC").SqlText()), 3));
  }
}

}  // namespace brisklet
