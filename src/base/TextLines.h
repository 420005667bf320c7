// The lines of a text: texts break lines with CR LF pairs, and an empty text is one empty line.
#pragma once
#include <string>
#include <vector>

namespace brisklet {

inline std::vector<std::string> SplitAtCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2) {
    lines.push_back(text.substr(start, p - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace brisklet
