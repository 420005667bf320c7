// Messages put on the elements they name, for the preview's outlines and lists.
#include "PreviewFindings.h"

#include <algorithm>
#include <cctype>

namespace brisklet::cli {
namespace {

// A text with each line break (LF or CR LF) as one blank.
std::string Flat(std::string text) {
  std::erase(text, '\r');
  std::ranges::replace(text, '\n', ' ');
  return text;
}

// Element names compare as the project's Text column does: without regard to ASCII case.
bool SameName(const std::string& a, const std::string& b) {
  return std::ranges::equal(Flat(a), Flat(b),
                            [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

DisplayFindings FindingsOf(const std::vector<Diagnostic>& items, int32_t displayId,
                           const std::vector<NamedElement>& elements) {
  DisplayFindings findings;
  for (const Diagnostic& d : items) {
    if (d.displayId != displayId || (d.severity != "error" && d.severity != "warning")) continue;
    // By its ID; a finding about a name that several elements share (duplicate variable
    // names) goes on the first element of that name.
    const std::string& named = d.element.name;
    auto element = std::ranges::find_if(elements, [&](const NamedElement& e) {
      return d.element.id != 0 ? e.id == d.element.id : !named.empty() && SameName(e.name, named);
    });
    int32_t mark = 0;
    if (element != elements.end()) {
      mark = findings.marks.emplace(element->id, static_cast<int32_t>(findings.marks.size()) + 1).first->second;
    }
    findings.list.push_back({mark, d.severity, d.message});
  }
  return findings;
}

}  // namespace brisklet::cli
