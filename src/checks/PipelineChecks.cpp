// The two checks the pipeline runs itself: fonts the project lacks, duplicate tab indexes.
#include "checks/DesignChecks.h"
#include "checks/Queries.h"
#include "encoding/FontLookups.h"
#include "encoding/HostMessages.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

constexpr int32_t kMissingFontMessage = 952;

void DesignChecks::prvCheckFonts() {
  auto rs = GetRecordset(kSqlFontElements, 0, 3);
  std::string warning = GetMessageText(kMissingFontMessage);
  for (; !rs->Eof(); rs->MoveNext()) {
    std::string text = rs->Str("Text");                    // read on every row: a Null text fails here, warning or not
    auto message = [&] { return text + ": " + warning; };  // made only for a warning
    if (GetFontIndex(rs->Long("FontNumber")) == -1) {
      prvReportMessage(kSeverityWarning, rs->Long("ModuleID"), rs->Str("Description"), message(), rs->Long("ID"));
    }
    int32_t description = rs->Long("DescriptionFontNumber");
    if (description != 0 && GetFontIndex(description) == -1) {
      prvReportMessage(kSeverityWarning, rs->Long("ModuleID"), rs->Str("Description"), message(), rs->Long("ID"));
    }
  }
}

void DesignChecks::prvCheckDuplicateTabIndexes(int32_t displayId) {
  auto count = GetRecordset(kSqlTabIndexCount + Num(displayId) + kSqlTabIndexCountEnd, 0, 3);
  auto distinct = GetRecordset(kSqlTabIndexes + Num(displayId) + kSqlTabIndexesEnd, 3, 3);
  if (count->Long("ElementsCount") != distinct->RecordCount()) {
    prvReportMessage(kSeverityError, distinct->Long("ModuleID"), distinct->Str("Description"),
                     "The Display contains duplicated Tab Indexes", distinct->Long("ID"));
  }
}

}  // namespace brisklet
