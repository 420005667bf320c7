// Operand conflicts between elements of one display: duplicate touch operands, touch and
// hide on one operand, touch operands shared with switches, duplicate variable names.
#include "base/RuntimeError.h"
#include "checks/DesignChecks.h"
#include "checks/Findings.h"
#include "elements/KindProperties.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

void DesignChecks::prvCheckTouchVsSwitch() {
  auto rs = GetRecordset(
      "SELECT HMI1.DisplayID, Pages.Description AS Description, Pages.ModuleID as ModuleID, HMI1.VarOprndType, "
      "HMI1.VarOprndAddr, HMI1.TouchOprndAddr AS TouchOPR, HMI2.*FROM (HMI_Elements AS HMI1 INNER JOIN HMI_Elements "
      "AS HMI2 ON (HMI1.TouchOprndAddr=HMI2.VarOprndAddr) AND (HMI1.ID<>HMI2.ID)) LEFT JOIN Pages ON "
      "HMI1.DisplayID=Pages.Id Where HMI1.TouchOprndAddr <> -1 And HMI1.TouchOprndAddr <> -2 And HMI2.Type=5 And "
      "(HMI2.VarType=2 Or HMI2.VarType=1) And HMI1.DisplayID = HMI2.DisplayID And HMI2.VarOprndType=1 Order BY "
      "HMI1.DisplayID,HMI1.TouchOprndAddr, HMI1.ID",
      0, 3);
  std::vector<Finding> findings;
  int32_t lastDisplay = 0, lastTouch = 0;
  for (; !rs->Eof(); rs->MoveNext()) {
    int32_t display = rs->Long("HMI1.DisplayID");
    int32_t touch = rs->Long("TouchOPR");
    if (display == lastDisplay && touch == lastTouch) continue;
    ButtonProperties button;  // VarType 1 and 2 share the switch getter
    button.LoadFromBinary(rs->Field("Binary").ToBytes("Binary"));
    if (button.IsSwitch() == -1) {
      findings.push_back(NewFinding(*rs, std::to_string(touch), display));
      lastDisplay = display;
      lastTouch = touch;
    }
  }
  for (const Finding& f : findings) {
    prvReportMessage(kSeverityError, f.moduleId, f.description,
                     "The HMI Display: '" + f.description + "' contains element(s) with touch MB: " + f.text +
                         ", while it also contains Switch element(s) linked to the same MB",
                     f.displayId);
  }
}

void DesignChecks::prvCheckTouchAndHide() {
  std::unique_ptr<Recordset> rs;
  try {
    rs = GetRecordset(
        "SELECT DispModules.ModuleName, Pages.Description, Pages.ModuleID, Pages.ID, HMI_Elements.Text, "
        "HMI_Elements.Type FROM HMI_Elements INNER JOIN (DispModules INNER JOIN Pages ON DispModules.ModuleId = "
        "Pages.ModuleID) ON HMI_Elements.DisplayID = Pages.Id WHERE (HMI_Elements.TouchOprndAddr >= 0) And "
        "(HMI_Elements.VisibleOpAddr = HMI_Elements.TouchOprndAddr)",
        0, 3);
  } catch (const RuntimeError&) {
    return;  // failures are skipped in this check; with no recordset every statement fails
  }
  // Each statement that fails is skipped and the walk goes on, as this check always has.
  while (!rs->Eof()) {
    try {
      std::string message =
          rs->Long("Type") == 3
              ? "Picture element can not have both 'Touch' and 'Hide' linked to the same operand"
              : "'" + rs->Str("Text") + "' can not have both 'Touch' and 'Hide' linked to the same operand";
      prvReportMessage(kSeverityError, rs->Long("ModuleID"), rs->Str("Description"), message, rs->Long("ID"));
    } catch (const RuntimeError&) {
    }
    rs->MoveNext();
  }
}

void DesignChecks::prvCheckDuplicateTouch() {
  auto rs = GetRecordset(
      "SELECT HMI1.DisplayID, Pages.Description AS Description, Pages.ModuleID as ModuleID, HMI1.TouchOprndAddr AS "
      "TouchOPR FROM (HMI_Elements AS HMI1 INNER JOIN HMI_Elements AS HMI2 ON "
      "(HMI1.TouchOprndAddr=HMI2.TouchOprndAddr) AND (HMI1.ID<>HMI2.ID)) LEFT JOIN Pages ON HMI1.DisplayID=Pages.Id "
      "Where HMI1.TouchOprndAddr <> -1 And HMI1.TouchOprndAddr <> -2 And HMI1.ID < HMI2.ID And HMI1.DisplayID = "
      "HMI2.DisplayID Order BY HMI1.DisplayID,HMI1.TouchOprndAddr",
      0, 3);
  std::vector<Finding> findings;
  int32_t lastDisplay = 0, lastTouch = 0;
  for (; !rs->Eof(); rs->MoveNext()) {
    int32_t display = rs->Long("DisplayID");
    int32_t touch = rs->Long("TouchOPR");
    if (lastDisplay == 0 || display != lastDisplay) {
      findings.push_back(NewFinding(*rs, std::to_string(touch), display));
      lastDisplay = display;
      lastTouch = touch;
    } else if (touch != lastTouch) {
      findings.back().text += ", " + std::to_string(touch);
      ++findings.back().count;
      lastTouch = touch;
    }
  }
  for (const Finding& f : findings) {
    std::string head =
        "The HMI Display: '" + f.description + "' has 2 or more elements with the same touch operand address. ";
    prvReportMessage(kSeverityError, f.moduleId, f.description, head + (f.count == 1 ? "MB: " : "MBs: ") + f.text,
                     f.displayId);
  }
}

void DesignChecks::prvCheckDuplicateVarNames() {
  auto rs = GetRecordset(
      "SELECT HMI1.DisplayID, Pages.Description AS Description, Pages.ModuleID as ModuleID, HMI1.Text AS VarName "
      "FROM (HMI_Elements AS HMI1 INNER JOIN HMI_Elements AS HMI2 ON (HMI1.Text=HMI2.Text) AND (HMI1.ID<>HMI2.ID)) "
      "LEFT JOIN Pages ON HMI1.DisplayID=Pages.Id Where HMI1.ID < HMI2.ID And HMI1.DisplayID = HMI2.DisplayID And "
      "HMI1.Type=5 And HMI2.Type=5 ORDER BY HMI1.Text, HMI1.DisplayID",
      0, 3);
  std::vector<Finding> findings;
  std::string lastName;
  int32_t lastDisplay = 0;
  for (; !rs->Eof(); rs->MoveNext()) {
    std::string name = rs->Str("VarName");
    int32_t display = rs->Long("DisplayID");
    if (name != lastName) {
      Finding f = NewFinding(*rs, name, display);
      f.displays = f.description;
      findings.push_back(std::move(f));
      lastName = name;
      lastDisplay = display;
    } else if (!findings.empty() && lastDisplay < display) {
      // Unnamed variables match the empty name the walk starts with and never open a
      // finding, so they are not reported.
      findings.back().displays += ", " + DescriptionOf(*rs);
      ++findings.back().count;
      lastDisplay = display;
    }
  }
  for (const Finding& f : findings) {
    prvReportMessage(kSeverityError, f.moduleId, f.description,
                     "2 Or more Vars have the Same Name: '" + f.text + "'. Those Vars Can be found on " +
                         (f.count == 1 ? "Display: '" : "Displays: '") + f.displays + "'",
                     f.displayId);
  }
}

}  // namespace brisklet
