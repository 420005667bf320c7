// Elements too small for 3D, trend graphs outside their size limits, trends without curves,
// and the location text of an element.
#include "base/RuntimeError.h"
#include "checks/DesignChecks.h"
#include "checks/Findings.h"
#include "checks/Queries.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

void DesignChecks::prvWalk3DSize(Recordset& rows) {
  Recordset* rs = &rows;
  for (; !rs->Eof(); rs->MoveNext()) {
    ErrorScope scope([rs] { return RowPlace(*rs, "ID"); });
    std::string text = rs->Str("Text");
    prvFoundMessage(CheckId::k3DSize, *rs, kSeverityError, "The Element: '" + text + "' is too small for 3D",
                    prvElementOf(*rs, text));
  }
}

void DesignChecks::prvWalkTrendGraphSize(Recordset& rows) {
  Recordset* rs = &rows;
  // Only the minimum is tested, although the message also names the maximum.
  for (; !rs->Eof(); rs->MoveNext()) {
    ErrorScope scope([rs] { return RowPlace(*rs, "ID"); });
    std::string text = rs->Str("Text");
    prvFoundMessage(CheckId::kTrendGraphSize, *rs, kSeverityError,
                    "The HMI element Trend Graph: '" + text +
                        "' either exceeds the maximum size of 320 x 240 pixels, or does not meet the minimum size "
                        "requirement of 200 x 140 pixels",
                    prvElementOf(*rs, text));
  }
}

void DesignChecks::prvWalkTrendsTree(Recordset& rows) {
  Recordset* rs = &rows;
  int32_t lastTrend = 0;
  for (; !rs->Eof(); rs->MoveNext()) {
    ErrorScope scope("trend " + rs->Field("TrendID").SqlText() + " of the trends tree");
    int32_t trend = rs->Long("TrendID");
    if (trend != lastTrend && rs->Field("CurveID").IsNull()) {
      prvReportMessage({CheckOf(CheckId::kTrendsTree).rule.number, kSeverityError, 0,
                        "Trends Tree: " + rs->Str("Trends.Name"), "This Trend doesn't have any Curves configured", 0});
    }
    lastTrend = trend;
  }
}

std::string DesignChecks::prvGetElementLocation(Recordset& row) {
  int32_t displayId = row.Long("DisplayID");
  if (mElementLocations) {
    auto known = mElementLocations->find(displayId);
    if (known != mElementLocations->end()) return known->second;
  }
  std::string text;
  int32_t moduleId = 0;
  auto display = GetRecordset(kSqlLocationDisplay, {Value(displayId)});
  if (!display->Eof()) {
    display->MoveFirst();
    text = "Display: " + display->Str("Description");
    moduleId = display->Long("ModuleID");
  }
  auto module = GetRecordset(kSqlLocationModule, {Value(moduleId)});
  if (!module->Eof()) {
    module->MoveFirst();
    text = "Module: " + module->Str("ModuleName") + ", " + text;
  }
  if (mElementLocations) mElementLocations->emplace(displayId, text);
  return text;
}

}  // namespace brisklet
