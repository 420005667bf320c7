// The kept findings of our own checks, walked again display by display. A rule's findings are
// kept with the part of its check and the display they are about, and the place each had in its
// run: every check reports its parts in turn, each in the order of its displays, so the kept
// findings read by part, display and place are those of a whole run.
#include "lint/KeptLint.h"

#include <map>
#include <set>

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "database/LintTracking.h"
#include "database/Recordset.h"
#include "database/TrackingCheck.h"
#include "lint/LintRules.h"

namespace brisklet {
namespace {

// What a rule reads beyond the rows of one display: an edit of one of these tables has it look
// at every display again (ProjectSettings: every rule).
const std::map<std::string, std::set<int32_t>> kProjectTables = {
    {"Pages", {102}},  // the set of displays: jump targets
    {"ProjectTexts", {103, 104}},
    {"Curves", {104}},
    {"ProjectImages", {107}},
};

// The displays edits touched since the last run, in temp.LintDisplays.
constexpr const char* kDisplaysTouched = R"sql(
INSERT OR IGNORE INTO temp.LintDisplays
  SELECT Key FROM CompileLintEdits WHERE What = 'display'
  UNION SELECT DisplayID FROM HMI_Elements WHERE ID IN (SELECT Key FROM CompileLintEdits WHERE What = 'element')
  UNION SELECT DisplayID FROM HMI_Elements WHERE GUID IN (SELECT Key FROM CompileLintEdits WHERE What = 'guid')
  UNION SELECT Id FROM Pages WHERE GUID IN (SELECT Key FROM CompileLintEdits WHERE What = 'guid')
  UNION SELECT Id FROM Pages WHERE ModuleID IN (SELECT Key FROM CompileLintEdits WHERE What = 'module')
)sql";
constexpr const char* kDisplaysToLookAt = "SELECT DisplayID FROM temp.LintDisplays";

// What a rule's kept findings hold for: the screen and code page they were measured against.
std::string ContextText(const LintContext& c) {
  return std::to_string(c.screenWidth) + " " + std::to_string(c.screenHeight) + " " + std::to_string(c.codePage);
}

void Forget(Connection& db, int32_t rule, bool everyDisplay) {
  db.Execute(everyDisplay ? "DELETE FROM CompileLintFindings WHERE Rule = ?"
                          : "DELETE FROM CompileLintFindings WHERE Rule = ? AND DisplayID IN (SELECT DisplayID FROM "
                            "temp.LintDisplays)",
             {Value(rule)});
}

void Keep(Connection& db, const LintFindings& found) {
  for (size_t seq = 0; seq < found.size(); ++seq) {
    const LintFinding& f = found[seq];
    db.Execute("INSERT INTO CompileLintFindings VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
               {Value(f.rule), Value(f.part), Value(f.displayId), Value(static_cast<int64_t>(seq)), Value(f.message),
                Value(f.moduleId), Value(f.moduleName), Value(f.displayName), Value(f.element.id),
                Value(f.element.guid), Value(f.element.name)});
  }
}

void AddKept(Connection& db, int32_t rule, LintFindings& found) {
  Recordset rows(db, "SELECT * FROM CompileLintFindings WHERE Rule = ? ORDER BY Part, DisplayID, Seq", {Value(rule)}, 0,
                 1);
  for (; !rows.Eof(); rows.MoveNext()) {
    LintFinding f;
    f.rule = rule;
    f.part = rows.Long("Part");
    f.message = rows.Str("Message");
    f.moduleId = rows.Long("ModuleID");
    f.moduleName = rows.Str("ModuleName");
    f.displayId = rows.Long("DisplayID");
    f.displayName = rows.Str("DisplayName");
    f.element = {rows.Long("ElementID"), rows.Long("ElementGUID"), rows.Str("ElementName")};
    found.push_back(std::move(f));
  }
}

class KeptRun {
 public:
  KeptRun(const LintContext& context, const LintConfig& config) : mContext(context), mConfig(config) {}

  LintReport Run() {
    Connection& db = mContext.db;
    std::map<int32_t, std::string> kept;
    for (Recordset rs(db, "SELECT Rule, Context FROM CompileLintKept", 0, 1); !rs.Eof(); rs.MoveNext()) {
      kept[rs.Long("Rule")] = rs.Str("Context");
    }
    for (Recordset rs(db, "SELECT Key FROM CompileLintEdits WHERE What = 'table'", 0, 1); !rs.Eof(); rs.MoveNext()) {
      auto rules = kProjectTables.find(rs.Str("Key"));
      if (rules == kProjectTables.end()) {
        kept.clear();  // the settings
      } else {
        for (int32_t rule : rules->second) kept.erase(rule);
      }
    }
    db.Execute("CREATE TEMP TABLE IF NOT EXISTS LintDisplays (DisplayID UNIQUE)");
    db.Execute("DELETE FROM temp.LintDisplays");
    db.Execute(kDisplaysTouched);
    // A display whose ID findings cannot hold would meet the findings about no one display.
    if (db.QueryValue("SELECT 1 FROM temp.LintDisplays WHERE NOT (typeof(DisplayID) = 'integer' AND DisplayID "
                      "BETWEEN 1 AND 2147483647)")) {
      kept.clear();
    }
    bool touched = db.QueryValue("SELECT 1 FROM temp.LintDisplays").has_value();
    std::string context = ContextText(mContext);
    for (const LintRule& rule : LintRules()) {
      int32_t number = rule.text.number;
      if (mConfig.SeverityOf(number) == LintSeverity::Off) {
        // Edits go by unseen: nothing of it stays kept.
        db.Execute("DELETE FROM CompileLintKept WHERE Rule = ?", {Value(number)});
        Forget(db, number, true);
        continue;
      }
      auto k = kept.find(number);
      if (k == kept.end() || k->second != context) {
        RunWhole(rule);
      } else if (touched && !RunOnTouched(rule)) {
        RunWhole(rule);
      }
      AddKept(db, number, mFound);
    }
    db.Execute("DELETE FROM CompileLintEdits");
    mReport.findings = Configured(std::move(mFound), mConfig);
    return std::move(mReport);
  }

 private:
  // The rule over every display; a check that fails is said and keeps nothing, as in RunLint.
  void RunWhole(const LintRule& rule) {
    Connection& db = mContext.db;
    int32_t number = rule.text.number;
    db.Execute("DELETE FROM CompileLintKept WHERE Rule = ?", {Value(number)});
    Forget(db, number, true);
    LintFindings found;
    try {
      rule.check(mContext, found);
    } catch (const RuntimeError& e) {
      mReport.notices.push_back(RuleId(number) + " " + rule.text.name + " could not run: " + e.Describe());
      return;
    }
    Keep(db, found);
    db.Execute("INSERT INTO CompileLintKept VALUES (?, ?)", {Value(number), Value(ContextText(mContext))});
  }

  // The rule over the displays edits touched; false when its check failed there.
  bool RunOnTouched(const LintRule& rule) {
    LintContext narrowed = mContext;
    narrowed.displays = kDisplaysToLookAt;
    LintFindings found;
    try {
      rule.check(narrowed, found);
    } catch (const RuntimeError&) {
      return false;
    }
    Forget(mContext.db, rule.text.number, false);
    Keep(mContext.db, found);
    return true;
  }

  const LintContext& mContext;
  const LintConfig& mConfig;
  LintFindings mFound;
  LintReport mReport;
};

}  // namespace

LintReport RunKeptLint(const LintContext& context, const LintConfig& config) {
  Connection& db = context.db;
  if (!db.HasTable("CompileLintKept") || !TrackingProblems(db).empty()) return RunLint(context, config);
  bool owned = !db.InTransaction();
  try {
    if (owned) db.BeginTransaction();
    LintReport report = KeptRun(context, config).Run();
    if (owned) db.Commit();
    return report;
  } catch (const RuntimeError&) {
    if (owned && db.InTransaction()) db.Execute("ROLLBACK");
    return RunLint(context, config);  // a project that cannot be written
  }
}

}  // namespace brisklet
