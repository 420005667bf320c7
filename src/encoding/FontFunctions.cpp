// Font lookups, text placement and fitting through the host's font objects.
#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "encoding/FontLookups.h"
#include "encoding/Queries.h"
#include "host/HostFactory.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

int32_t GetFontIndex(int32_t fontNumber) { return CurrentHost().NewFontInfo()->GetFontIndex(fontNumber); }

int32_t GetFontCharset(int32_t fontNumber) { return CurrentHost().NewFontInfo()->GetFontCharset(fontNumber); }

int32_t GetFontLineHeight(int32_t fontNumber) { return CurrentHost().NewFontInfo()->GetLineHeight(fontNumber); }

void MeasureText(const std::string& text, int32_t fontNumber, int32_t x, int32_t y, int32_t w, int32_t h, int32_t& outX,
                 int32_t& outY, int32_t alignment, int32_t frameStyle) {
  CurrentHost().NewFontInfo()->MeasureText(text, fontNumber, x, y, w, h, outX, outY, alignment, frameStyle);
}

int32_t GetFirstFontCrc() {
  auto rs = GetRecordset(kSqlFirstFontCrc, 3, 3);
  return rs->Field("FontCRC").ToLong("FontCRC");
}

std::string FitTextToFrame(int32_t xs, int32_t ys, int32_t dx, int32_t dy, const std::string& text, int32_t fontNumber,
                           int32_t flat3D) {
  auto fitter = CurrentHost().NewTextFitter();
  fitter->SetLeft(xs);
  fitter->SetTop(ys);
  fitter->SetWidth(dx);
  fitter->SetHeight(dy);
  fitter->SetFont(fontNumber);
  fitter->SetText(text);
  fitter->SetFrameStyle(flat3D);
  return fitter->FitText();
}

std::string PrepareDisplayText(const std::string& text, int32_t fontNumber) {
  if (GetFontCharset(fontNumber) != kCharsetHebrew) return text;
  auto service = CurrentHost().NewFontNameService();
  int32_t kind = service->ClassifyText(text);
  return (kind == 0 || kind == 1) ? service->ToDisplayText(text) : text;
}

}  // namespace brisklet
