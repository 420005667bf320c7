// The errors and warnings of one display for its preview: numbered by the element they name
// (the numbers drawn beside the outlines), the display's own ones unnumbered.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Diagnostics.h"

namespace brisklet::cli {

struct PreviewFinding {
  int32_t mark = 0;  // the element's number on the picture; 0 for a finding of the display itself
  std::string severity;
  std::string message;
  std::vector<int32_t> elements;  // the IDs of the elements it is about (several for a shared name)
  int rule = 0;
  bool lint = false;  // found by our own checks
  size_t source = 0;  // the place among the diagnostics of the one it was made of
};

struct DisplayFindings {
  std::map<int32_t, int32_t> marks;  // element ID -> its number, 1, 2, ... in the order found
  std::vector<PreviewFinding> list;  // in the order reported
};

struct NamedElement {
  int32_t id = 0;
  std::string name;  // HMI_Elements.Text, by which a finding about a shared name finds its elements
};

// A display's elements by ID and by name, to find the elements a finding names.
class ElementIndex {
 public:
  explicit ElementIndex(const std::vector<NamedElement>& elements);
  bool Has(int32_t id) const { return mIds.contains(id); }
  // The element of the finding's ID, else every element of its name (names compare as the
  // project's Text column does: without regard to ASCII case, line breaks as blanks).
  std::vector<int32_t> NamedBy(const Diagnostic& d) const;

 private:
  std::unordered_set<int32_t> mIds;
  std::unordered_map<std::string, std::vector<int32_t>> mByName;
};

// Whether `d` is an error or warning about display `displayId` or one of its elements.
bool IsFindingOf(const Diagnostic& d, int32_t displayId, const ElementIndex& elements);

// The findings of display `displayId` among the diagnostics at places `of` of `items`, each put
// on the element it names by ID, or on every element of the name it gives without an ID (two
// variables of one name).
DisplayFindings FindingsOf(const std::vector<Diagnostic>& items, const std::vector<size_t>& of, int32_t displayId,
                           const std::vector<NamedElement>& elements);

// The places of the diagnostics that may be findings of each display, so that a preview of
// every display does not walk all of a large project's findings once per display. Places, not
// addresses: the list may grow (the notices of the displays drawn) while they are used.
class FindingsByDisplay {
 public:
  explicit FindingsByDisplay(const std::vector<Diagnostic>& items);
  // Those naming the display, and those naming an element but no display, in the order given.
  std::vector<size_t> Of(int32_t displayId) const;

 private:
  std::unordered_map<int32_t, std::vector<size_t>> mOfDisplay;
  std::vector<size_t> mOfElementAlone;
};

}  // namespace brisklet::cli
