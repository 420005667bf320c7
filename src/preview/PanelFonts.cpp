// Project fonts drawn with FreeType in monochrome, as the panel has no grey levels.
#include "preview/PanelFonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

#include "base/CodePage.h"
#include "database/Connection.h"
#include "database/Recordset.h"
#include "database/Value.h"
#include "preview/Queries.h"

namespace brisklet {

namespace {

// FreeType's own texts of its error codes, from its error list.
struct FreeTypeError {
  int code;
  const char* text;
};
// clang-format off
#undef FTERRORS_H_
#define FT_ERRORDEF(e, v, s) {e, s},
#define FT_ERROR_START_LIST {
#define FT_ERROR_END_LIST {0, nullptr}};
const FreeTypeError kFreeTypeErrors[] =
#include FT_ERRORS_H
    // clang-format on

    const char * FreeTypeErrorText(FT_Error error) {
  for (const FreeTypeError& known : kFreeTypeErrors) {
    if (known.text && known.code == error) return known.text;
  }
  return nullptr;
}

}  // namespace

struct PanelFonts::Font {
  int32_t number = 0;
  int32_t lineHeight = 0;
  int32_t ascent = 0;
  std::map<uint8_t, int32_t> advances;
  Bytes file;
  FT_Face face = nullptr;
  FT_Face standIn = nullptr;  // the default font, when `face` is missing
  std::string why;            // why the face is missing
};

PanelFonts::PanelFonts(Connection& db, int32_t codePage, const std::string& defaultFont)
    : mCodePage(codePage), mDefaultFont(defaultFont) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) == 0) mLibrary = library;
  try {
    Recordset rs(db, kSqlPreviewFonts, 0, 1);
    bool files = rs.HasField("FontFile");
    for (; !rs.Eof(); rs.MoveNext()) {
      auto font = std::make_unique<Font>();
      font->number = rs.Long("FontNumber");
      font->lineHeight = rs.Long("LineHeight");
      font->ascent = rs.Long("Ascent");
      const Value& file = files ? rs.Field("FontFile") : Value();
      if (file.IsNumber()) {
        font->why = "has a font file in the project that is a number, not the file's bytes";
      } else if (!file.IsNull()) {
        font->file = file.ToBytes("FontFile");
      }
      Recordset glyphs(db, kSqlPreviewAdvances, {Value(font->number)});
      for (; !glyphs.Eof(); glyphs.MoveNext()) {
        font->advances[static_cast<uint8_t>(glyphs.Long("Code"))] = glyphs.Long("Advance");
      }
      if (!font->file.empty()) {
        FT_Error error = library ? FT_New_Memory_Face(library, font->file.data(),
                                                      static_cast<FT_Long>(font->file.size()), 0, &font->face)
                                 : FT_Err_Cannot_Open_Resource;
        if (error == 0) {
          FT_Set_Pixel_Sizes(font->face, 0, static_cast<FT_UInt>(std::max(1, rs.Long("PixelSize"))));
        } else {
          font->face = nullptr;
          const char* text = FreeTypeErrorText(error);
          font->why = "has a font file in the project that FreeType cannot read (error " + std::to_string(error) +
                      (text ? std::string(": ") + text : std::string()) + ")";
        }
      } else if (font->why.empty()) {
        font->why = "has no font file in the project";
      }
      if (!font->face && library && FT_New_Face(library, defaultFont.c_str(), 0, &font->standIn) == 0) {
        FT_Set_Pixel_Sizes(font->standIn, 0, static_cast<FT_UInt>(std::max(1, rs.Long("PixelSize"))));
      } else if (!font->face) {
        font->standIn = nullptr;
      }
      mFonts.push_back(std::move(font));
    }
  } catch (...) {
    Release();
    throw;
  }
}

PanelFonts::~PanelFonts() { Release(); }

void PanelFonts::Release() {
  for (auto& font : mFonts) {
    if (font->face) FT_Done_Face(font->face);
    if (font->standIn) FT_Done_Face(font->standIn);
    font->face = font->standIn = nullptr;
  }
  if (mCaptionFace) FT_Done_Face(static_cast<FT_Face>(mCaptionFace));
  mCaptionFace = nullptr;
  if (mLibrary) FT_Done_FreeType(static_cast<FT_Library>(mLibrary));
  mLibrary = nullptr;
}

bool PanelFonts::HasFile(uint32_t index) const { return index < mFonts.size() && mFonts[index]->face; }

std::vector<PanelFonts::Unusable> PanelFonts::FontsWithoutFile() const {
  std::vector<Unusable> fonts;
  for (const auto& font : mFonts) {
    if (!font->face) fonts.push_back({font->number, font->why, font->standIn != nullptr});
  }
  return fonts;
}

namespace {

void DrawGlyph(Canvas& canvas, const FT_GlyphSlot slot, int32_t x, int32_t baseline, Rgb colour) {
  const FT_Bitmap& bitmap = slot->bitmap;
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const unsigned char* bits = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
    for (unsigned column = 0; column < bitmap.width; ++column) {
      if (bits[column / 8] & (0x80 >> (column % 8))) {
        canvas.Pixel(x + slot->bitmap_left + static_cast<int32_t>(column),
                     baseline - slot->bitmap_top + static_cast<int32_t>(row), colour);
      }
    }
  }
}

}  // namespace

Box PanelFonts::LineBox(uint32_t index, std::span<const uint8_t> text) const {
  if (index >= mFonts.size()) return {};
  const Font& font = *mFonts[index];
  int32_t width = 0;
  for (uint8_t byte : text) {
    auto advance = font.advances.find(byte);
    if (advance != font.advances.end()) width += advance->second;
  }
  return {0, 0, width, font.lineHeight};
}

void PanelFonts::DrawLine(Canvas& canvas, uint32_t index, int32_t x, int32_t y, std::span<const uint8_t> text,
                          Rgb colour) {
  if (index >= mFonts.size()) return;
  Font& font = *mFonts[index];
  FT_Face face = font.face ? font.face : font.standIn;
  if (!font.face && !text.empty() && std::find(mStandIns.begin(), mStandIns.end(), index) == mStandIns.end()) {
    mStandIns.push_back(index);
  }
  int32_t pen = x;
  for (uint8_t byte : text) {
    auto advance = font.advances.find(byte);
    int32_t width = advance == font.advances.end() ? 0 : advance->second;
    std::optional<char32_t> character = CodePageCharacter(byte, mCodePage);
    if (face && character &&
        FT_Load_Char(face, *character, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) == 0 &&
        face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
      DrawGlyph(canvas, face->glyph, pen, y + font.ascent, colour);
    }
    pen += width;
  }
  if (!face) canvas.Frame({x, y, pen - x, font.lineHeight}, colour);
  canvas.PixelsDone();
}

std::vector<std::string> PanelFonts::TakeStandIns() {
  std::vector<std::string> notices;
  for (uint32_t index : mStandIns) {
    const Font& font = *mFonts[index];
    notices.push_back("font " + std::to_string(font.number) + " " + font.why + ": drawn " +
                      (font.standIn ? std::string("in ") + kDefaultFontName : std::string("as boxes")));
  }
  mStandIns.clear();
  return notices;
}

bool PanelFonts::DrawCaption(Canvas& canvas, const Box& within, const std::string& ascii, int32_t pixelSize) {
  FT_Face face = static_cast<FT_Face>(mCaptionFace);
  if (!face && mLibrary && FT_New_Face(static_cast<FT_Library>(mLibrary), mDefaultFont.c_str(), 0, &face) == 0) {
    mCaptionFace = face;
  }
  if (!face) return false;
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::max(1, pixelSize)));
  constexpr FT_Int32 kMono = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME;
  int32_t width = 0;
  for (char c : ascii) {
    if (FT_Load_Char(face, static_cast<unsigned char>(c), kMono) == 0) width += face->glyph->advance.x >> 6;
  }
  int32_t ascent = face->size->metrics.ascender >> 6, height = (face->size->metrics.height >> 6) + 4;
  int32_t x = within.x + (within.width - width) / 2, y = within.y + (within.height - height) / 2;
  canvas.Fill({x - 4, y, width + 8, height}, {255, 255, 255});
  for (char c : ascii) {
    if (FT_Load_Char(face, static_cast<unsigned char>(c), kMono) != 0) continue;
    if (face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
      DrawGlyph(canvas, face->glyph, x, y + 2 + ascent, {0, 0, 0});
    x += face->glyph->advance.x >> 6;
  }
  canvas.PixelsDone();
  return true;
}

}  // namespace brisklet
