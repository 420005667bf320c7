// Operand conflicts between elements of one display: duplicate touch operands, touch and
// hide on one operand, touch operands shared with switches, duplicate variable names.
#include "base/RuntimeError.h"
#include "checks/DesignChecks.h"
#include "checks/Findings.h"
#include "checks/Queries.h"
#include "elements/KindProperties.h"
#include "encoding/HostMessages.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

// One finding per (display, touch address) pair that a switch shares; a pair stays the last
// one only once it was reported.

void DesignChecks::prvWalkTouchVsSwitch(Recordset& rows) {
  Recordset* rs = &rows;
  Grouping pairs;
  pairs.displayField = "HMI1.DisplayID";
  pairs.start = "0 0";
  pairs.of = [](Recordset& row) { return Num(row.Long("HMI1.DisplayID")) + " " + Num(row.Long("TouchOPR")); };
  pairs.open = [](Recordset& row) -> std::optional<Finding> {
    ButtonProperties button;  // VarType 1 and 2 share the switch getter
    button.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
    if (button.IsSwitch() != -1) return std::nullopt;
    return NewFinding(row, Num(row.Long("TouchOPR")), row.Long("HMI1.DisplayID"));
  };
  prvReportFindings(CheckId::kTouchVsSwitch, GatherFindings(*rs, pairs), [](const Finding& f) {
    return "The HMI Display: '" + f.description + "' contains element(s) with touch MB: " + f.text +
           ", while it also contains Switch element(s) linked to the same MB";
  });
}

void DesignChecks::prvWalkTouchAndHide(Recordset& rows) {
  Recordset* rs = &rows;
  // Each statement that fails is skipped and the walk goes on, as this check always has.
  while (!rs->Eof()) {
    MessageElement element = prvElementOf(*rs, "");  // taken for every row, as the keyed rows come
    try {
      bool picture = rs->Long("Type") == 3;
      if (!picture) element.name = rs->Str("Text");
      std::string message =
          picture ? "Picture element can not have both 'Touch' and 'Hide' linked to the same operand"
                  : "'" + element.name + "' can not have both 'Touch' and 'Hide' linked to the same operand";
      prvFoundMessage(CheckId::kTouchAndHide, *rs, kSeverityError, message, element);
    } catch (const RuntimeError& e) {
      prvFoundNotice(CheckId::kTouchAndHide, *rs,
                     "the touch and hide check skipped a row of " + RowPlace(*rs, "ID") + ": " + e.Describe());
    }
    rs->MoveNext();
  }
}

// One finding per display (display 0 stands for "none yet"), listing each shared address once.

void DesignChecks::prvWalkDuplicateTouch(Recordset& rows) {
  Recordset* rs = &rows;
  Grouping displays;
  displays.start = "0";
  displays.of = [](Recordset& row) { return Num(row.Long("DisplayID")); };
  displays.same = [](const std::string& group, const std::string& last) { return last != "0" && group == last; };
  displays.open = [](Recordset& row) -> std::optional<Finding> {
    Finding f = NewFinding(row, Num(row.Long("TouchOPR")), row.Long("DisplayID"));
    f.list = f.text;
    return f;
  };
  displays.item = [](Recordset& row) { return row.Long("TouchOPR"); };
  displays.itemText = [](Recordset& row) { return Num(row.Long("TouchOPR")); };
  // A row stands for the pairs its element makes with the later elements of its address; only
  // on display 0 ("no finding yet") does each pair open a finding of its own.
  displays.times = [](Recordset& row) { return row.Long("Pairs"); };
  prvReportFindings(CheckId::kDuplicateTouch, GatherFindings(*rs, displays), [](const Finding& f) {
    return "The HMI Display: '" + f.description + "' has 2 or more elements with the same touch operand address. " +
           (f.count == 1 ? "MB: " : "MBs: ") + f.list;
  });
}

// One finding per name (compared exactly), listing each display it is found on. Unnamed
// variables match the empty name the walk starts with and never open a finding, so they are
// not reported. A finding names the variable by its name only: its variables are many.

void DesignChecks::prvWalkDuplicateVarNames(Recordset& rows) {
  Recordset* rs = &rows;
  Grouping names;
  names.of = [](Recordset& row) { return row.Str("VarName"); };
  names.open = [](Recordset& row) -> std::optional<Finding> {
    Finding f = NewFinding(row, row.Str("VarName"), row.Long("DisplayID"));
    f.list = f.description;
    f.element.name = f.text;
    return f;
  };
  names.item = [](Recordset& row) { return row.Long("DisplayID"); };
  names.itemText = [](Recordset& row) { return DescriptionOf(row); };
  prvReportFindings(CheckId::kDuplicateVarNames, GatherFindings(*rs, names), [](const Finding& f) {
    return "2 Or more Vars have the Same Name: '" + f.text + "'. Those Vars Can be found on " +
           (f.count == 1 ? "Display: '" : "Displays: '") + f.list + "'";
  });
}

}  // namespace brisklet
