// Default font-name service: texts of right-to-left fonts put in display order with GNU
// FriBidi, so that the panel, which draws every text from left to right, shows them right.
#pragma once
#include "host/FontNameService.h"

namespace brisklet {

class BidiFontNameService : public FontNameService {
 public:
  // 2: no right-to-left character, the text is drawn as it is stored;
  // 1: the text reads from right to left (its first strong character is right-to-left);
  // 0: the text reads from left to right but holds right-to-left runs.
  int32_t ClassifyText(const std::string& text) override;
  // The text in visual order, line by line (each CR LF line is a paragraph of its own).
  std::string ToDisplayText(const std::string& text) override;
};

}  // namespace brisklet
