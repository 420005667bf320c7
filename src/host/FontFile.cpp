// FreeType measurements of a font file.
#include "host/FontFile.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "base/CodePage.h"
#include "base/RuntimeError.h"

namespace brisklet {
namespace {

// Font files are regular files of at most 64 MiB (a device or a pipe would never end).
constexpr uintmax_t kMaxFontFileBytes = uintmax_t{64} << 20;

std::vector<unsigned char> ReadWholeFile(const std::string& path) {
  std::error_code error;
  auto status = std::filesystem::status(path, error);
  if (error) throw RuntimeError("Font file not readable", path + ": " + error.message());
  if (!std::filesystem::is_regular_file(status)) {
    throw RuntimeError("Font file not readable", path + ": not a regular file");
  }
  uintmax_t size = std::filesystem::file_size(path, error);
  if (error) throw RuntimeError("Font file not readable", path + ": " + error.message());
  if (size > kMaxFontFileBytes) {
    throw RuntimeError("Font file not readable",
                       path + ": " + std::to_string(size) + " bytes, more than a font file's 64 MiB");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw RuntimeError("Font file not readable", path + ": " + std::strerror(errno));
  std::vector<unsigned char> data(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(size));
  if (in.gcount() != static_cast<std::streamsize>(size)) {
    throw RuntimeError("Font file not readable", path + ": read failed");
  }
  return data;
}

struct LibraryDeleter {
  void operator()(FT_Library lib) const { FT_Done_FreeType(lib); }
};
struct FaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};

// 26.6 fixed point to whole pixels, rounded.
int32_t Pixels(FT_Pos v) { return static_cast<int32_t>((v + 32) >> 6); }

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

MeasuredFont MeasureFontFile(const std::string& path, int32_t pixelSize, int32_t codePage) {
  if (pixelSize <= 0) {
    throw RuntimeError("Invalid font size", "size is " + std::to_string(pixelSize) + " px, expected at least 1");
  }
  std::vector<unsigned char> data = ReadWholeFile(path);
  FT_Library rawLib = nullptr;
  if (FT_Init_FreeType(&rawLib) != 0) throw RuntimeError("Font engine failed", "FreeType did not start");
  std::unique_ptr<FT_LibraryRec_, LibraryDeleter> lib(rawLib);
  FT_Face rawFace = nullptr;
  if (FT_New_Memory_Face(lib.get(), data.data(), static_cast<FT_Long>(data.size()), 0, &rawFace) != 0) {
    throw RuntimeError("Not a font file", path + " is not a TrueType or OpenType font");
  }
  std::unique_ptr<FT_FaceRec_, FaceDeleter> face(rawFace);
  if (FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(pixelSize)) != 0) {
    throw RuntimeError("Invalid font size", path + " has no size of " + std::to_string(pixelSize) + " px");
  }

  MeasuredFont font;
  font.name = face->family_name ? face->family_name : "";
  std::string style = face->style_name ? face->style_name : "";
  if (!style.empty() && style != "Regular" && style != "Book") font.name += " " + style;
  font.pixelSize = pixelSize;
  font.lineHeight = Pixels(face->size->metrics.height);
  font.ascent = Pixels(face->size->metrics.ascender);
  font.crc = static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0), data.data(), static_cast<uInt>(data.size())));
  for (int b = 0; b < 256; ++b) {
    std::optional<char32_t> c = CodePageCharacter(static_cast<uint8_t>(b), codePage);
    if (!c || IsControl(*c)) continue;
    // A character the font lacks is drawn as the font's missing-glyph box (glyph 0).
    FT_UInt glyph = FT_Get_Char_Index(face.get(), static_cast<FT_ULong>(*c));
    if (FT_Load_Glyph(face.get(), glyph, FT_LOAD_DEFAULT) != 0) continue;
    font.advances[static_cast<uint8_t>(b)] = Pixels(face->glyph->advance.x);
  }
  font.file.assign(data.begin(), data.end());
  return font;
}

}  // namespace brisklet
