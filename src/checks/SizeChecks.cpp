// Elements too small for 3D, trend graphs outside their size limits, trends without curves,
// and the location text of an element.
#include "base/RuntimeError.h"
#include "checks/DesignChecks.h"
#include "checks/Findings.h"
#include "checks/Queries.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

void DesignChecks::prvCheck3DSize() { prvWalk3DSize(*GetRecordset(kSqlTooSmallFor3D, 0, 3)); }

void DesignChecks::prvWalk3DSize(Recordset& rows) {
  Recordset* rs = &rows;
  for (; !rs->Eof(); rs->MoveNext()) {
    ErrorScope scope(RowPlace(*rs, "ID"));
    prvFoundMessage(*rs, kSeverityError, rs->Long("ModuleID"), rs->Str("Description"),
                    "The Element: '" + rs->Str("Text") + "' is too small for 3D", rs->Long("ID"));
  }
}

void DesignChecks::prvCheckTrendGraphSize() { prvWalkTrendGraphSize(*GetRecordset(kSqlSmallTrendGraphs, 0, 3)); }

void DesignChecks::prvWalkTrendGraphSize(Recordset& rows) {
  Recordset* rs = &rows;
  // Only the minimum is tested, although the message also names the maximum.
  for (; !rs->Eof(); rs->MoveNext()) {
    ErrorScope scope(RowPlace(*rs, "ID"));
    prvFoundMessage(*rs, kSeverityError, rs->Long("ModuleID"), rs->Str("Description"),
                    "The HMI element Trend Graph: '" + rs->Str("Text") +
                        "' either exceeds the maximum size of 320 x 240 pixels, or does not meet the minimum size "
                        "requirement of 200 x 140 pixels",
                    rs->Long("ID"));
  }
}

void DesignChecks::prvCheckTrendsTree() {
  auto rs = GetRecordset(kSqlTrendsTree, 0, 3);
  int32_t lastTrend = 0;
  for (; !rs->Eof(); rs->MoveNext()) {
    ErrorScope scope("trend " + rs->Field("TrendID").SqlText() + " of the trends tree");
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
  auto display = GetRecordset(kSqlLocationDisplay + Num(row.Long("DisplayID")), 0, 1);
  if (!display->Eof()) {
    display->MoveFirst();
    text = "Display: " + display->Str("Description");
    moduleId = display->Long("ModuleID");
  }
  auto module = GetRecordset(kSqlLocationModule + Num(moduleId), 0, 1);
  if (!module->Eof()) {
    module->MoveFirst();
    text = "Module: " + module->Str("ModuleName") + ", " + text;
  }
  return text;
}

}  // namespace brisklet
