// BRK103: a linked text of the text table (operand type 0) whose entry the table does not have;
// the panel shows nothing there (the preview crosses it out).
#include <cstdint>
#include <unordered_set>

#include "database/Recordset.h"
#include "lint/ElementTexts.h"
#include "lint/ItemRows.h"
#include "lint/LintRules.h"

namespace brisklet {

void CheckTextTableEntries(const LintContext& context, LintFindings& found) {
  std::unordered_set<int64_t> entries;
  for (Recordset rs(context.db, "SELECT DISTINCT TextIndex FROM ProjectTexts", 0, 1); !rs.Eof(); rs.MoveNext()) {
    if (const int64_t* index = rs.Field("TextIndex").IntegerPtr()) entries.insert(*index);
  }
  size_t first = found.size();
  const std::set<int32_t> curves;  // curve names are no linked texts
  ForEachTextElement(context.db, true, Downloaded(context), [&](const Recordset& elements) {
    for (const LinkedEntry& linked : TextsOf(elements, curves, {.linking = true}).linked) {
      // The record holds the address's low 16 bits, the index the panel looks up.
      auto index = static_cast<uint16_t>(linked.address);
      if (entries.contains(index)) continue;
      std::string cut =
          index == linked.address ? "" : " (address " + std::to_string(linked.address) + " cut to 16 bits)";
      found.push_back(ElementFinding(elements, 103,
                                     ElementNamed(elements) + " shows text-table entry " + std::to_string(index) + cut +
                                         " as its " + linked.place +
                                         ", which the text table does not have: the panel shows nothing there"));
    }
  });
  InDisplayOrder(found, first);
}

}  // namespace brisklet
