// The size of a text in a project font: the widest line by the advances of its code-page
// bytes, and one line height per line.
#pragma once
#include <cstdint>
#include <string>

#include "database/Value.h"
#include "host/FontMetrics.h"

namespace brisklet {

struct TextExtent {
  int32_t width = 0;
  int32_t height = 0;
};

// The width of one line given as code-page bytes.
int64_t LineWidth(const FontMetrics& font, const Bytes& line);
// The extent of a UTF-8 text whose lines are separated by CR LF.
TextExtent MeasureTextExtent(const FontMetrics& font, const std::string& text, int32_t codePage);

}  // namespace brisklet
