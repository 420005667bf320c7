// Right-to-left text handling for fonts of the Hebrew character set.
#pragma once
#include <cstdint>
#include <string>

namespace brisklet {

class FontNameService {
 public:
  virtual ~FontNameService() = default;
  // 2 when the text needs no reordering; 0 or 1 when it must be put in display order.
  virtual int32_t ClassifyText(const std::string& text) = 0;
  virtual std::string ToDisplayText(const std::string& text) = 0;

 protected:
  FontNameService() = default;
};

}  // namespace brisklet
