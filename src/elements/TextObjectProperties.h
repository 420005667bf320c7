// The text object of a timer or clock: its format text, font and frame style. The compiler
// sets the element's font and frame style on it before the size service measures it.
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

#define BRISKLET_TEXT_OBJECT_PROPERTIES(P) P(String, GetText) P(Long, GetFont) P(Long, GetFrameStyle)
BRISKLET_PROPERTY_OBJECT(TextObjectView, BRISKLET_TEXT_OBJECT_PROPERTIES)

class TextObject : public TextObjectView {
 public:
  using TextObjectView::TextObjectView;
  void SetText(const std::string& text) { Write("GetText", text); }
  void SetFont(int32_t fontNumber) { Write("GetFont", fontNumber); }
  void SetFrameStyle(int32_t style) { Write("GetFrameStyle", style); }
};

}  // namespace brisklet
