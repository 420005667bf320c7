// The triggers of our own checks' edit log: one row below per fact an edit of a table changes.
#include "database/LintTracking.h"

#include <array>

namespace brisklet {

namespace {

struct Noted {
  const char* table;
  const char* what;
  const char* column;      // the key's column, or a quoted literal
  const char* updateOf;    // the columns whose update counts ("": any)
  const char* replacedBy;  // the key column INSERT OR REPLACE meets when it moves the row elsewhere ("": none)
};

// clang-format off
constexpr std::array<Noted, 12> kNoted{{
  {"HMI_Elements",      kLintEditDisplay, "DisplayID",          "",     "ID"},
  {"Pages",             kLintEditDisplay, "Id",                 "",     ""},
  {"Pages",             kLintEditTable,   "'Pages'",            "Id",   ""},
  {"HMIJumps",          kLintEditDisplay, "PageNum",            "",     "ID"},
  {"PagesAndImages",    kLintEditDisplay, "Page_ID",            "",     ""},
  {"ElementsAndImages", kLintEditElement, "Element_ID",         "",     ""},
  {"DispModules",       kLintEditModule,  "ModuleID",           "",     ""},
  {"DownloadDLUs",      kLintEditGuid,    "Guid",               "Guid", ""},
  {"ProjectTexts",      kLintEditTable,   "'ProjectTexts'",     "",     ""},
  {"ProjectImages",     kLintEditTable,   "'ProjectImages'",    "",     ""},
  {"Curves",            kLintEditTable,   "'Curves'",           "",     ""},
  {"ProjectSettings",   kLintEditTable,   "'ProjectSettings'",  "",     ""},
}};
// clang-format on

std::string KeyOf(const Noted& n, const char* row) {
  return n.column[0] == '\'' ? n.column : std::string(row) + "." + n.column;
}

std::string Note(const Noted& n, const std::string& value) {
  return "  INSERT OR IGNORE INTO CompileLintEdits VALUES ('" + std::string(n.what) + "', " + value + ");\n";
}

std::string Trigger(const Noted& n, const std::string& event, const std::string& timing, const std::string& body) {
  std::string what = n.what;
  what[0] = static_cast<char>(what[0] - 'a' + 'A');
  std::string name = "CompileLint" + std::string(n.table) + what + (timing == "BEFORE" ? "Replacing" : "") +
                     event.substr(0, event.find(' '));
  return "CREATE TRIGGER IF NOT EXISTS " + name + " " + timing + " " + event + " ON " + n.table + " BEGIN\n" + body +
         "END;\n";
}

}  // namespace

std::string LintTrackingScript() {
  std::string sql =
      "CREATE TABLE IF NOT EXISTS CompileLintFindings (Rule INTEGER NOT NULL, Part INTEGER NOT NULL, DisplayID "
      "INTEGER NOT NULL, Seq INTEGER NOT NULL, Message, ModuleID, ModuleName, DisplayName, ElementID, ElementGUID, "
      "ElementName, PRIMARY KEY (Rule, Part, DisplayID, Seq)) WITHOUT ROWID;\n"
      "CREATE TABLE IF NOT EXISTS CompileLintKept (Rule INTEGER PRIMARY KEY, Context TEXT);\n"
      "CREATE TABLE IF NOT EXISTS CompileLintEdits (What TEXT NOT NULL, Key, UNIQUE (What, Key));\n";
  for (const Noted& n : kNoted) {
    std::string update = *n.updateOf ? std::string("UPDATE OF ") + n.updateOf : "UPDATE";
    sql += Trigger(n, "INSERT", "AFTER", Note(n, KeyOf(n, "NEW")));
    sql += Trigger(n, update, "AFTER", Note(n, KeyOf(n, "OLD")) + Note(n, KeyOf(n, "NEW")));
    sql += Trigger(n, "DELETE", "AFTER", Note(n, KeyOf(n, "OLD")));
    if (*n.replacedBy) {
      // A row that INSERT OR REPLACE (or UPDATE OR REPLACE of the key) removes fires no delete trigger.
      std::string replaced = "  INSERT OR IGNORE INTO CompileLintEdits SELECT '" + std::string(n.what) + "', " +
                             n.column + " FROM " + n.table + " WHERE " + n.replacedBy + " = NEW." + n.replacedBy +
                             ";\n";
      sql += Trigger(n, "INSERT", "BEFORE", replaced);
      sql += Trigger(n, std::string("UPDATE OF ") + n.replacedBy, "BEFORE", replaced);
    }
  }
  return sql;
}

}  // namespace brisklet
