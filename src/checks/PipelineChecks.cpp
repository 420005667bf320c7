// The checks the pipeline runs before and with the displays: fonts the project lacks, shared
// download GUIDs, duplicate tab indexes.
#include <optional>

#include "base/RuntimeError.h"
#include "checks/DesignChecks.h"
#include "checks/Findings.h"
#include "checks/Queries.h"
#include "encoding/FontLookups.h"
#include "encoding/HostMessages.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

constexpr int32_t kMissingFontMessage = 952;

void DesignChecks::prvWalkFonts(Recordset& rows) {
  Recordset* rs = &rows;
  const std::string& warning = prvFontWarningText();
  bool keyed = rs->HasField("KeyGuid");  // a keyed row names its element itself
  for (; !rs->Eof(); rs->MoveNext()) {
    ErrorScope scope([rs] { return RowPlace(*rs, "ID"); });
    std::string text = rs->Str("Text");                    // read on every row: a Null text fails here, warning or not
    auto message = [&] { return text + ": " + warning; };  // made only for a warning
    // The elements of unkeyed rows are taken for every row, as the rows come; a keyed row's
    // only for a warning.
    std::optional<MessageElement> taken;
    if (!keyed) taken = prvElementOf(*rs, text);
    auto element = [&] { return taken ? *taken : prvElementOf(*rs, text); };
    if (GetFontIndex(rs->Long("FontNumber")) == -1) {
      prvFoundMessage(CheckId::kFonts, *rs, kSeverityWarning, message(), element());
    }
    int32_t description = rs->Long("DescriptionFontNumber");
    if (description != 0 && GetFontIndex(description) == -1) {
      prvFoundMessage(CheckId::kFonts, *rs, kSeverityWarning, message(), element());
    }
  }
}

const std::string& DesignChecks::prvFontWarningText() {
  if (!mFontWarningText) mFontWarningText = GetMessageText(kMissingFontMessage);
  return *mFontWarningText;
}

void DesignChecks::prvWalkGuidClashes(Recordset& rows) {
  Recordset* rs = &rows;
  while (!rs->Eof()) {
    ErrorScope scope("download GUID " + rs->Field("GUID").SqlText());
    std::string guid = rs->Field("GUID").SqlText(), names;
    int32_t moduleId = rs->Field("ModuleID").IsNull() ? 0 : rs->Long("ModuleID");
    std::string location = rs->Field("Description").IsText() ? rs->Str("Description") : "";
    int32_t displayId = rs->Field("DisplayID").IsNull() ? 0 : rs->Long("DisplayID");
    Value part = KeyPartOf(*rs), sortKey = SortKeyOf(*rs);
    for (; !rs->Eof() && rs->Field("GUID").SqlText() == guid; rs->MoveNext()) {
      bool display = rs->Long("IsDisplay") != 0;
      int32_t id = rs->Long("ID");
      (display ? mGuidClashes.displays : mGuidClashes.elements).insert(id);
      if (mKeeping) {
        KeepFinding(CheckId::kGuidClashes, part, sortKey,
                    {display ? FindingKind::kClashingDisplay : FindingKind::kClashingElement, 0, 0, "", "", id, {}});
      }
      std::string name = rs->Field("Name").IsText() ? rs->Str("Name") : "";
      names += std::string(names.empty() ? "" : ", ") + (display ? "the display '" : "the element '") + name + "' (" +
               (display ? "display " : "element ") + std::to_string(id) + ")";
    }
    prvFound(CheckId::kGuidClashes, part, sortKey,
             {FindingKind::kMessage,
              kSeverityError,
              moduleId,
              location,
              "The download GUID " + guid + " belongs to " + names +
                  ": their units would overwrite each "
                  "other, so none of them is compiled",
              displayId,
              {}});
  }
}

void DesignChecks::prvCheckDuplicateTabIndexes(int32_t displayId) {
  auto count = GetRecordset(kSqlTabIndexCount, {Value(displayId)});
  auto distinct = GetRecordset(kSqlTabIndexes, {Value(displayId)});
  if (count->Long("ElementsCount") != distinct->RecordCount()) {
    prvFound(CheckId::kTabIndexes, Value(displayId), Value(displayId),
             {FindingKind::kMessage,
              kSeverityError,
              distinct->Long("ModuleID"),
              distinct->Str("Description"),
              "The Display contains duplicated Tab Indexes",
              distinct->Long("ID"),
              {}});
  }
}

}  // namespace brisklet
