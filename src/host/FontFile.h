// Measuring a TrueType or OpenType font file at one pixel size with FreeType: what a project
// font stores of it (line height, ascent, the advance of every character of the code page).
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "base/Bytes.h"

namespace brisklet {

struct MeasuredFont {
  std::string name;  // family name, plus the style when it is not the regular one
  int32_t pixelSize = 0;
  int32_t lineHeight = 0;               // line advance in whole pixels
  int32_t ascent = 0;                   // top of the line to the baseline, in whole pixels
  uint32_t crc = 0;                     // CRC32 of the font file
  std::map<uint8_t, int32_t> advances;  // code-page byte -> advance in whole pixels
  Bytes file;                           // the font file itself, kept so that texts can be drawn
};

// Raises a RuntimeError when the file cannot be read or is not a font FreeType can scale to
// that size. Bytes the code page leaves undefined and control characters get no advance.
MeasuredFont MeasureFontFile(const std::string& path, int32_t pixelSize, int32_t codePage);

}  // namespace brisklet
