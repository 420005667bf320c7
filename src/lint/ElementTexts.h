// What an element shows of its own texts and of the text table, read from its design the way
// its compiler reads it: the texts whose code-page bytes the compile takes, and the linked
// texts of operand type 0, by where the element shows them.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "database/Recordset.h"
#include "lint/LintFinding.h"

namespace brisklet {

struct ElementText {
  std::string place;  // "text", "label", "units", "item 2", "text 1", "curve 3 name"
  std::string text;
};

struct LinkedEntry {
  std::string place;
  int32_t address;  // the design's address; the panel takes its low 16 bits as the index
};

struct ElementTexts {
  std::vector<ElementText> texts;
  std::vector<LinkedEntry> linked;
};

// The elements of the kinds that have texts, placed (kElementPlace), with the columns TextsOf
// reads, in the order of their IDs (a scan without sorting; InDisplayOrder sorts the findings).
// `linkedOnly` leaves out the text boxes that are not linked to the text table, most of them.
std::string TextElementsQuery(bool linkedOnly);
// The findings from `from` on in the order of the other checks: by display, then element.
void InDisplayOrder(LintFindings& found, size_t from);

// The curves whose name a trend sends: those whose Curves row stores the curve nowhere
// (StorageOprndType 0, StorageOprndAddress below 0; a curve without a row is stored at address 0).
std::set<int32_t> NamedCurves(Connection& db);

// The texts of a row read so. A column or property blob the compile cannot read leaves out
// what depends on it (the compile reports it).
ElementTexts TextsOf(const Recordset& row, const std::set<int32_t>& namedCurves);

}  // namespace brisklet
