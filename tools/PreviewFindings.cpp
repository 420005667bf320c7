// Messages put on the elements they name, for the preview's outlines and lists.
#include "PreviewFindings.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace brisklet::cli {
namespace {

// A text with each line break (LF or CR LF) as one blank.
std::string Flat(std::string text) {
  std::erase(text, '\r');
  std::ranges::replace(text, '\n', ' ');
  return text;
}

// A name folded as the project's Text column compares it: ASCII lower case.
std::string Folded(const std::string& name) {
  std::string folded = Flat(name);
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

}  // namespace

ElementIndex::ElementIndex(const std::vector<NamedElement>& elements) {
  for (const NamedElement& e : elements) {
    mIds.insert(e.id);
    if (!e.name.empty()) mByName[Folded(e.name)].push_back(e.id);
  }
}

std::vector<int32_t> ElementIndex::NamedBy(const Diagnostic& d) const {
  if (d.element.id != 0) return Has(d.element.id) ? std::vector<int32_t>{d.element.id} : std::vector<int32_t>{};
  if (d.element.name.empty()) return {};
  auto named = mByName.find(Folded(d.element.name));
  return named == mByName.end() ? std::vector<int32_t>{} : named->second;
}

bool IsFindingOf(const Diagnostic& d, int32_t displayId, const ElementIndex& elements) {
  if (!IsFinding(d)) return false;
  // A finding that names its element but not its display still belongs to the element's display.
  return d.displayId == displayId || (d.displayId == 0 && d.element.id != 0 && elements.Has(d.element.id));
}

DisplayFindings FindingsOf(const std::vector<Diagnostic>& items, const std::vector<size_t>& of, int32_t displayId,
                           const std::vector<NamedElement>& elements) {
  DisplayFindings findings;
  ElementIndex index(elements);
  int32_t numbered = 0;
  for (size_t place : of) {
    const Diagnostic& d = items[place];
    if (!IsFindingOf(d, displayId, index)) continue;
    std::vector<int32_t> ids = index.NamedBy(d);
    int32_t mark = 0;
    if (!ids.empty()) {
      // An element with several findings keeps the number of its first; the elements of one
      // name share a number.
      auto known = findings.marks.find(ids.front());
      mark = known != findings.marks.end() ? known->second : ++numbered;
      for (int32_t id : ids) findings.marks.emplace(id, mark);
    }
    findings.list.push_back({mark, d.severity, d.message, ids, d.rule, d.lint, place});
  }
  return findings;
}

FindingsByDisplay::FindingsByDisplay(const std::vector<Diagnostic>& items) {
  for (size_t place = 0; place < items.size(); ++place) {
    const Diagnostic& d = items[place];
    if (!IsFinding(d)) continue;
    if (d.displayId != 0) {
      mOfDisplay[d.displayId].push_back(place);
    } else if (d.element.id != 0) {
      mOfElementAlone.push_back(place);
    }
  }
}

std::vector<size_t> FindingsByDisplay::Of(int32_t displayId) const {
  auto of = mOfDisplay.find(displayId);
  if (of == mOfDisplay.end()) return mOfElementAlone;
  std::vector<size_t> places;
  places.reserve(of->second.size() + mOfElementAlone.size());
  std::ranges::merge(of->second, mOfElementAlone, std::back_inserter(places));
  return places;
}

}  // namespace brisklet::cli
