// Font index, character set and line height from tblFonts (cached for one compile).
#include "host/MetricsFontInfo.h"

#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "host/FontMetrics.h"

namespace brisklet {

int32_t MetricsFontInfo::GetFontIndex(int32_t fontNumber) {
  auto m = LoadFontMetrics(mHost, fontNumber);
  return m ? m->index : -1;
}

int32_t MetricsFontInfo::GetFontCharset(int32_t fontNumber) {
  auto m = LoadFontMetrics(mHost, fontNumber);
  return m ? m->charset : 0;
}

int32_t MetricsFontInfo::GetLineHeight(int32_t fontNumber) {
  auto m = LoadFontMetrics(mHost, fontNumber);
  return m ? m->lineHeight : 0;
}

void MetricsFontInfo::MeasureText(const std::string&, int32_t, int32_t x, int32_t y, int32_t w, int32_t h,
                                  int32_t& outX, int32_t& outY, int32_t, int32_t) {
  outX = x + w / 2;
  outY = y + h / 2;
}

}  // namespace brisklet
