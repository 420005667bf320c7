// Elements too small for 3D, trend graphs outside their size limits, trends without curves,
// and the location text of an element.
#include "checks/DesignChecks.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

void DesignChecks::prvCheck3DSize() {
  auto rs = GetRecordset(
      "SELECT DispModules.ModuleName, Pages.Description,Pages.ID, Pages.ModuleID, HMI_Elements.Text FROM "
      "HMI_Elements INNER JOIN (DispModules INNER JOIN Pages ON DispModules.ModuleId = Pages.ModuleID) ON "
      "HMI_Elements.DisplayID = Pages.Id WHERE (HMI_Elements.Flat3D=3 OR HMI_Elements.Flat3D=1) AND "
      "(HMI_Elements.Dx<9 OR HMI_Elements.Dy<9)",
      0, 3);
  for (; !rs->Eof(); rs->MoveNext()) {
    prvReportMessage(kSeverityError, rs->Long("ModuleID"), rs->Str("Description"),
                     "The Element: '" + rs->Str("Text") + "' is too small for 3D", rs->Long("ID"));
  }
}

void DesignChecks::prvCheckTrendGraphSize() {
  auto rs = GetRecordset(
      "SELECT DispModules.ModuleName, Pages.Description, Pages.ModuleID,pages.ID, HMI_Elements.Text, "
      "HMI_Elements.VarType FROM HMI_Elements INNER JOIN (DispModules INNER JOIN Pages ON DispModules.ModuleId = "
      "Pages.ModuleID) ON HMI_Elements.DisplayID = Pages.Id WHERE (HMI_Elements.Type=5 AND (HMI_Elements.VarType=23 "
      "Or HMI_Elements.VarType=27)) AND (HMI_Elements.Dx<200 OR HMI_Elements.Dy<140)",
      0, 3);
  // Only the minimum is tested, although the message also names the maximum.
  for (; !rs->Eof(); rs->MoveNext()) {
    prvReportMessage(kSeverityError, rs->Long("ModuleID"), rs->Str("Description"),
                     "The HMI element Trend Graph: '" + rs->Str("Text") +
                         "' either exceeds the maximum size of 320 x 240 pixels, or does not meet the minimum size "
                         "requirement of 200 x 140 pixels",
                     rs->Long("ID"));
  }
}

void DesignChecks::prvCheckTrendsTree() {
  auto rs = GetRecordset(
      "SELECT * FROM Trends LEFT JOIN Curves ON (Curves.CurveID<=Trends.TrendID*8) AND "
      "(Curves.CurveID>=(Trends.TrendID-1)*8+1) Order By TrendID",
      0, 3);
  int32_t lastTrend = 0;
  for (; !rs->Eof(); rs->MoveNext()) {
    int32_t trend = rs->Long("TrendID");
    if (trend != lastTrend && rs->Field("CurveID").IsNull()) {
      prvReportMessage(kSeverityError, 0, "Trends Tree: " + rs->Str("Trends.Name"),
                       "This Trend doesn't have any Curves configured", 0);
    }
    lastTrend = trend;
  }
}

std::string DesignChecks::prvGetElementLocation(Recordset& row) {
  std::string text;
  int32_t moduleId = 0;
  auto display = GetRecordset(
      "SELECT * FROM Pages LEFT JOIN HMI_Elements ON Pages.Id = HMI_Elements.DisplayID WHERE "
      "HMI_Elements.DisplayID=" +
          Num(row.Long("DisplayID")),
      0, 1);
  if (!display->Eof()) {
    display->MoveFirst();
    text = "Display: " + display->Str("Description");
    moduleId = display->Long("ModuleID");
  }
  auto module = GetRecordset(
      "SELECT * FROM DispModules LEFT JOIN Pages ON DispModules.ModuleId = Pages.ModuleID WHERE Pages.ModuleID=" +
          Num(moduleId),
      0, 1);
  if (!module->Eof()) {
    module->MoveFirst();
    text = "Module: " + module->Str("ModuleName") + ", " + text;
  }
  return text;
}

}  // namespace brisklet
