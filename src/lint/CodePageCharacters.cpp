// BRK104: every character of a text that the project's code page cannot hold: the compile
// stops at the first of them (base/CodePage.cpp), this check names them all.
#include "base/CodePage.h"
#include "database/Recordset.h"
#include "lint/ElementTexts.h"
#include "lint/ItemRows.h"
#include "lint/LintRules.h"

namespace brisklet {
namespace {

// What is wrong with the character, and where: "character 'Ω' (U+03A9) at position 7 of
// 'Motor Ω' is not in code page 1252".
std::string Fault(const CodePageFault& f, const std::string& text, int32_t codePage) {
  std::string at = " at position " + std::to_string(f.position);
  switch (f.kind) {
    case CodePageFault::kNotUtf8: return "byte " + std::to_string(f.byte + 1) + at + " is not UTF-8";
    case CodePageFault::kControl:
      return "the control character " + CodePointNamed(f.code) + at + " cannot be held by a text";
    case CodePageFault::kNotInCodePage: break;
  }
  return "character '" + f.character + "' (" + CodePointNamed(f.code) + ")" + at + " of '" + text +
         "' is not in code page " + std::to_string(codePage);
}

}  // namespace

void CheckCodePageCharacters(const LintContext& context, LintFindings& found) {
  size_t first = found.size();
  std::set<int32_t> curves = NamedCurves(context.db);
  BlobsWanted wanted{.beyondAscii = HoldsPrintableAscii(context.codePage)};
  ForEachTextElement(context.db, false, Downloaded(context), [&](const Recordset& element) {
    for (const ElementText& t : TextsOf(element, curves, wanted).texts) {
      for (const CodePageFault& f : CodePageFaults(t.text, context.codePage)) {
        found.push_back(ElementFinding(element, 104,
                                       ElementNamed(element) + " " + t.place + ": " +
                                           Fault(f, t.text, context.codePage) + ": the compile stops at it"));
      }
    }
  });
  InDisplayOrder(found, first);
  // The panel shows the text table's entries in the code page too: a part about the project.
  if (!context.displays.empty()) return;
  Recordset entries(context.db, "SELECT TextIndex, Text FROM ProjectTexts ORDER BY TextIndex", 0, 1);
  for (; !entries.Eof(); entries.MoveNext()) {
    std::string text = TextOf(entries.Field("Text"));
    for (const CodePageFault& f : CodePageFaults(text, context.codePage)) {
      LintFinding finding;
      finding.rule = 104;
      finding.part = 1;
      finding.message = "text-table entry " + entries.Field("TextIndex").SqlText() + ": " +
                        Fault(f, text, context.codePage) + ": the panel cannot show it";
      found.push_back(std::move(finding));
    }
  }
}

}  // namespace brisklet
