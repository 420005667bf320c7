// A PNG read into an image row, with the CRC and width rules of docs/text-project.md.
#include "textproject/ImageEntries.h"

#include "base/RuntimeError.h"
#include "textproject/PictureFiles.h"

namespace brisklet {

std::string PngIntoImageRow(const DesignTable& images, Row& row, std::string_view png, const std::string& path,
                            bool newPicture) {
  const Value& bits = row[images.ColumnIndex("Bits")];
  if (!bits.IntegerPtr() || (*bits.IntegerPtr() != 8 && *bits.IntegerPtr() != 16)) {
    return "a picture from a PNG has 8 or 16 Bits";
  }
  try {
    Picture picture = PictureOfPng(png, static_cast<int32_t>(*bits.IntegerPtr()), path);
    row[images.ColumnIndex("Data8bpp")] = Value(PackPixels(picture.pixels));
    size_t count = picture.pixels.size() / (picture.bits / 8);
    Value& width = row[images.ColumnIndex("Width")];
    if (newPicture || (width.IsNull() && picture.width != WidthForPixels(count))) width = Value(int64_t{picture.width});
    Value& crc = row[images.ColumnIndex("CRC")];
    if (crc.IsNull()) crc = Value(PictureCrc(picture.pixels));
  } catch (const RuntimeError& e) {
    return e.Describe();
  }
  return "";
}

bool IsLoosePicture(const std::string& path) {
  return path.rfind("images/", 0) == 0 && path.size() > 11 && path.compare(path.size() - 4, 4, ".png") == 0;
}

Row NewImageRow(const DesignTable& images) {
  Row row = images.DefaultRow();
  const RowKey* last = images.rows.empty() ? nullptr : &images.rows.rbegin()->first;
  row[0] = Value(last && (*last)[0].IntegerPtr() ? *(*last)[0].IntegerPtr() + 1 : int64_t{1});
  row[images.ColumnIndex("Bits")] = Value(16);
  return row;
}

}  // namespace brisklet
