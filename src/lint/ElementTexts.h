// What an element shows of its own texts and of the text table, read from its design the way
// its compiler reads it: the texts whose code-page bytes the compile takes, and the linked
// texts of operand type 0, by where the element shows them.
#pragma once
#include <cstdint>
#include <functional>
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
// `linkedOnly` leaves out the text boxes that are not linked to the text table, most of them;
// `downloaded` is the condition on their displays (Downloaded).
std::string TextElementsQuery(bool linkedOnly, const std::string& downloaded);
// Each row of that query in turn, read a page of rows at a time (by ID), so that what is held
// does not grow with the project.
void ForEachTextElement(Connection& db, bool linkedOnly, const std::string& downloaded,
                        const std::function<void(const Recordset&)>& each, int pageRows = 4096);
// The findings from `from` on in the order of the other checks: by display, then element.
void InDisplayOrder(LintFindings& found, size_t from);

// The curves whose name a trend sends: those whose Curves row stores the curve nowhere
// (StorageOprndType 0, StorageOprndAddress below 0; a curve without a row is stored at address 0).
std::set<int32_t> NamedCurves(Connection& db);

// Which property blobs a check reads for its texts: parsing a blob costs more than the rest of
// the check, and most blobs cannot hold what it looks for. Both false: every blob.
struct BlobsWanted {
  bool linking = false;      // only blobs that can link a text: a key with "Linked" (or an escape)
  bool beyondAscii = false;  // only blobs with a byte beyond printable ASCII, or an escape
  bool Wants(const Bytes& blob) const;
};

// Whether the code page holds every printable ASCII character as it is (then a blob of those
// alone has no text it cannot hold).
bool HoldsPrintableAscii(int32_t codePage);

// The texts of a row read so. A column or property blob the compile cannot read leaves out
// what depends on it (the compile reports it), as does a blob `wanted` leaves unread.
ElementTexts TextsOf(const Recordset& row, const std::set<int32_t>& namedCurves, const BlobsWanted& wanted = {});

}  // namespace brisklet
