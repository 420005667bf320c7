// The errors and warnings of one display for its preview: numbered by the element they name
// (the numbers drawn beside the outlines), the display's own ones unnumbered.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Diagnostics.h"

namespace brisklet::cli {

struct PreviewFinding {
  int32_t mark = 0;  // the element's number on the picture; 0 for a finding of the display itself
  std::string severity;
  std::string message;
};

struct DisplayFindings {
  std::map<int32_t, int32_t> marks;  // element ID -> its number, 1, 2, ... in the order found
  std::vector<PreviewFinding> list;  // in the order reported
};

struct NamedElement {
  int32_t id = 0;
  std::string name;  // HMI_Elements.Text, by which a finding about a shared name finds its element
};

// The findings among `items` of display `displayId`, each put on the element it is about.
DisplayFindings FindingsOf(const std::vector<Diagnostic>& items, int32_t displayId,
                           const std::vector<NamedElement>& elements);

}  // namespace brisklet::cli
