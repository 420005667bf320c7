// The entry field's size services: the smallest frame of an entry, measured in its text
// object's font and frame style, for a time or number entry its sample text, for a picker
// grid the names of its calendar section.
#include <algorithm>

#include "base/ByteWriter.h"
#include "elements/KindProperties.h"
#include "elements/MinimumSize.h"
#include "encoding/CalendarTexts.h"
#include "host/HostFactory.h"

namespace brisklet {
namespace {

constexpr int32_t kTimeEntry = 1;
constexpr int32_t kNumberEntry = 5;

bool IsFramed3D(int32_t frameStyle) { return frameStyle == 1 || frameStyle == 3; }

}  // namespace

void EntryMinimumSize(EntryFieldProperties& pVar, int32_t& pDx, int32_t& pDy, int32_t pMode, std::string& pText) {
  EntrySource text = pVar.GetTextObject();
  int32_t margin = IsFramed3D(text.GetFrameStyle()) ? 8 : 2;
  int32_t extra = IsFramed3D(text.GetFrameStyle()) ? 8 : 0;
  if (pMode == kTimeEntry || pMode == kNumberEntry) {
    auto fitter = CurrentHost().NewTextFitter();
    std::string sample = pVar.EntryMode() == kNumberEntry ? "9999" : "00:00";
    fitter->SetText(sample);
    fitter->SetSourceText(sample);
    fitter->SetFrameStyle(text.GetFrameStyle());
    fitter->SetFont(text.GetFont());
    fitter->GetMinimumSize(pDx, pDy);
    pText = fitter->GetText();
    return;
  }
  if (pMode < 2 || pMode > 4) return;
  int32_t columns = 0, rows = 0, height = 0, width = 0;
  CalendarNameSize(pVar, pVar.EntryMode(), pVar.GridTextOption(), columns, rows, height, width);
  pDx = CheckedAdd(CheckedAdd(CheckedMul(margin, columns), CheckedMul(width, columns)), extra);
  pDy = CheckedAdd(CheckedAdd(CheckedMul(margin, rows), CheckedMul(height, rows)), extra);
}

// The count line's digit says how many rows of names are measured; an empty line or the end
// of the file ends them.
void CalendarNameSize(EntryFieldProperties& pVar, int32_t pKind, int32_t pLanguage, int32_t& pColumns, int32_t& pRows,
                      int32_t& pHeight, int32_t& pWidth) {
  KeypadGrid grid = KeypadGridOf(pKind);
  pColumns = grid.columns;
  pRows = grid.rows;
  pHeight = 0;
  pWidth = 0;
  if (grid.section.empty()) return;  // a kind without a grid has no section to read
  CalendarSection section(pLanguage, grid.section);
  EntrySource text = pVar.GetTextObject();
  for (int32_t row = 0; row < section.Count(); ++row) {
    for (int32_t column = 0; column < pColumns; ++column) {
      if (section.AtEnd()) return;
      std::string name = section.ReadLine();
      if (name.empty()) return;
      auto fitter = CurrentHost().NewTextFitter();
      fitter->SetFont(text.GetFont());
      fitter->SetFrameStyle(text.GetFrameStyle());
      fitter->SetText(name);
      int32_t width = 0;
      fitter->GetMinimumSize(width, pHeight);
      pWidth = std::max(pWidth, width);
    }
  }
}

}  // namespace brisklet
