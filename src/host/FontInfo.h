// What the compiler needs to know about a project font: its index in the download,
// its character set, its line height, and where a text of it is drawn inside a frame.
#pragma once
#include <cstdint>
#include <string>

namespace brisklet {

class FontInfo {
 public:
  virtual ~FontInfo() = default;
  virtual int32_t GetFontIndex(int32_t fontNumber) = 0;  // -1 for an unknown font
  virtual int32_t GetFontCharset(int32_t fontNumber) = 0;
  virtual int32_t GetLineHeight(int32_t fontNumber) = 0;
  virtual void MeasureText(const std::string& text, int32_t fontNumber, int32_t x, int32_t y, int32_t w, int32_t h,
                           int32_t& outX, int32_t& outY, int32_t alignment, int32_t frameStyle) = 0;

 protected:
  FontInfo() = default;
};

}  // namespace brisklet
