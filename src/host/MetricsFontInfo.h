// Default font information over the project's font table tblFonts.
#pragma once
#include "host/FontInfo.h"

namespace brisklet {

class DefaultHost;

class MetricsFontInfo : public FontInfo {
 public:
  explicit MetricsFontInfo(DefaultHost& host) : mHost(host) {}
  int32_t GetFontIndex(int32_t fontNumber) override;
  int32_t GetFontCharset(int32_t fontNumber) override;
  int32_t GetLineHeight(int32_t fontNumber) override;
  void MeasureText(const std::string& text, int32_t fontNumber, int32_t x, int32_t y, int32_t w, int32_t h,
                   int32_t& outX, int32_t& outY, int32_t alignment, int32_t frameStyle) override;

 private:
  DefaultHost& mHost;
};

}  // namespace brisklet
