// The table of the design-rule checks: one row per check gives its rule, when the pipeline
// runs it, the tables it reads, its own SQL text in pieces (the condition written once), the
// keys its incremental walk adds, and its walk. The texts, the incremental walks, the run
// order and the rule list are made from it; a new check is one row and one walk.
#pragma once
#include <span>
#include <string>
#include <vector>

#include "checks/KeptFindings.h"
#include "database/Recordset.h"
#include "host/MessageRules.h"

namespace brisklet {

class DesignChecks;
using CheckWalk = void (DesignChecks::*)(Recordset& rows);

// When a compile runs a check: before the elements (its findings decide what is compiled),
// for each display as it comes, or after the displays, in the order of the table.
enum class CheckStage { kBeforeElements, kEachDisplay, kAfterDisplays };
// What an incremental compile keeps a check's findings by; kNothing: the check walks its own
// text in every compile.
enum class KeptBy { kNothing, kDisplay, kName, kGuid };

struct CheckRow {
  CheckId id;
  RuleText rule;
  CheckStage stage;
  KeptBy keptBy;
  const char* tables;  // the tables its rows come from, blank-separated
  // Its own text: "SELECT " columns, then `from` (up to its condition, with the blanks and
  // keyword its text has always had), the condition and the order. A text of another shape
  // is all in `from`, the other pieces empty; a check with texts of its own per display has none.
  const char* columns;
  const char* from;
  const char* condition;
  const char* order;
  // The incremental walk: the key columns added to the columns (KeyPart places a finding,
  // KeySort orders it; KeyGuid, where present, makes KeySort and KeyGuid the element's ID and
  // GUID), the column of a row's display and the order it makes explicit. A check that walks
  // rows of its own shape names its texts for the changed rows and for all rows instead.
  const char* keys;
  const char* partition;
  const char* keyOrder;
  const char* changedRows;
  const char* allRows;
  CheckWalk walk;  // none for a check the pipeline runs itself for each display
};

// The checks, in the order a compile runs them.
std::span<const CheckRow> CheckTable();
const CheckRow& CheckOf(CheckId id);
// The texts of a check: its own, and those of its incremental walk over the rows of the
// changed displays or over all rows.
std::string OwnText(const CheckRow& check);
std::string ChangedRowsText(const CheckRow& check);
std::string AllRowsText(const CheckRow& check);
// Whether the check's keyed rows name the element each is about.
bool KeysNameElements(const CheckRow& check);

// Every rule of the compiler's messages (the checks' and host/MessageRules.def), by number.
std::vector<RuleText> AllRules();

}  // namespace brisklet
