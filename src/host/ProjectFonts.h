// Installing a measured font as a project font: its tblFonts row and its tblFontGlyphs rows.
#pragma once
#include <cstdint>

#include "host/FontFile.h"

namespace brisklet {

class Connection;

// The Windows character set code of the fonts of an ANSI code page (177 for 1255, Hebrew);
// 0 (the Western set) for a code page without its own.
int32_t CharsetOfCodePage(int32_t codePage);

// Stores the font under its number, replacing a font of that number in place (its row, and
// so its index in the download, stays). Elements that use the font are marked for
// compiling again; returns how many were marked.
int64_t InstallFont(Connection& db, int32_t fontNumber, int32_t charset, const MeasuredFont& font);

}  // namespace brisklet
