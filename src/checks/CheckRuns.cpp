// Running a check by its own text, and where its walk sends what it finds: reported with the
// check's rule, or kept while the incremental compile recomputes the check.
#include "base/RuntimeError.h"
#include "checks/DesignChecks.h"
#include "checks/ElementIdentities.h"
#include "encoding/HostMessages.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

DesignChecks::DesignChecks(HostFactory& host) : DisplayCompiler(host) {}

DesignChecks::~DesignChecks() = default;

void DesignChecks::prvRunCheck(const CheckRow& check) {
  std::unique_ptr<Recordset> rows;
  if (check.id == CheckId::kTouchAndHide) {
    try {
      rows = GetRecordset(OwnText(check), 0, 3);
    } catch (const RuntimeError& e) {
      // Failures are skipped in this check; with no recordset every statement fails.
      ShowMessageBox("the touch and hide check did not run: " + e.Describe());
      return;
    }
  } else {
    rows = GetRecordset(OwnText(check), 0, check.id == CheckId::kGuidClashes ? 1 : 3);
  }
  struct Forget {
    std::unique_ptr<ElementIdentities>& identities;
    ~Forget() { identities.reset(); }
  } forget{mIdentities};
  if (KeysNameElements(check)) {
    try {
      mIdentities = std::make_unique<ElementIdentities>(*GetRecordset(AllRowsText(check), {}));
    } catch (const RuntimeError&) {
      // The findings are reported without their elements, as the check's own rows give them.
    }
  }
  (this->*check.walk)(*rows);
}

MessageElement DesignChecks::prvElementOf(const Recordset& row, std::string name) {
  if (row.HasField("KeyGuid")) return ElementOfRow(row, std::move(name), "KeySort", "KeyGuid");
  if (mIdentities) return mIdentities->Next(row, std::move(name));
  return {0, 0, std::move(name)};
}

void DesignChecks::prvFound(CheckId check, const Value& part, const Value& sortKey, KeptFinding finding) {
  if (mKeeping) {
    KeepFinding(check, part, sortKey, finding);
  } else if (finding.kind == FindingKind::kNotice) {
    ShowMessageBox(finding.message);
  } else {
    prvReportMessage({CheckOf(check).rule.number, finding.severity, finding.moduleId, finding.location, finding.message,
                      finding.displayId, finding.element});
  }
}

void DesignChecks::prvFoundMessage(CheckId check, const Recordset& row, int32_t severity, const std::string& message,
                                   MessageElement element) {
  prvFound(check, KeyPartOf(row), SortKeyOf(row),
           {FindingKind::kMessage, severity, row.Long("ModuleID"), row.Str("Description"), message, row.Long("ID"),
            std::move(element)});
}

void DesignChecks::prvFoundNotice(CheckId check, const Recordset& row, const std::string& text) {
  prvFound(check, KeyPartOf(row), SortKeyOf(row), {FindingKind::kNotice, 0, 0, "", text, 0, {}});
}

void DesignChecks::prvReportFindings(CheckId check, const std::vector<Finding>& findings,
                                     const std::function<std::string(const Finding&)>& message) {
  for (const Finding& f : findings) {
    prvFound(check, f.part, f.sortKey,
             {FindingKind::kMessage, kSeverityError, f.moduleId, f.description, message(f), f.displayId, f.element});
  }
}

}  // namespace brisklet
