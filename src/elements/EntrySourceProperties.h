// The text source of an entry element (string entries, entry field): the sample text it fits
// and places, and the font and frame style the entry field's size service measures in. The
// entry field's compiler sets the element's font and frame style on it before measuring.
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

#define BRISKLET_ENTRY_SOURCE_PROPERTIES(P) P(String, SampleText) P(Long, GetFont) P(Long, GetFrameStyle)
BRISKLET_PROPERTY_OBJECT(EntrySourceView, BRISKLET_ENTRY_SOURCE_PROPERTIES)

class EntrySource : public EntrySourceView {
 public:
  using EntrySourceView::EntrySourceView;
  void SetFont(int32_t fontNumber) { Write("GetFont", fontNumber); }
  void SetFrameStyle(int32_t style) { Write("GetFrameStyle", style); }
};

}  // namespace brisklet
