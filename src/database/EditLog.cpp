// The edit log: triggers on every table a download record reads note in CompileEdits what an
// edit touched, whatever program makes it. One row per table below says what its rows stand for.
#include "database/EditLog.h"

#include <array>
#include <string>
#include <vector>

namespace brisklet {

namespace {

// What one column of an edited row stands for in the log (its "What" and the column whose
// value is the key; "0" for a log entry without a key).
struct LogEntry {
  const char* what;
  const char* column;
};

// Which edits of a table are logged: all of them (design tables), or only some.
enum Events { kAll, kChangesAndRemovals, kArrivalsAndRemovals };

struct LoggedTable {
  const char* table;
  std::vector<const char*> key;  // the primary key columns, which INSERT OR REPLACE meets
  std::vector<LogEntry> entries;
  Events events = kAll;
};

// clang-format off
const std::array<LoggedTable, 17> kLoggedTables{{
  {"HMI_Elements",      {"ID"},                        {{kEditItem, "GUID"}, {kEditDisplayRecord, "DisplayID"}}},
  {"Pages",             {"Id"},                        {{kEditItem, "GUID"}, {kEditDisplay, "Id"}}},
  {"DispModules",       {"ModuleID"},                  {{kEditModule, "ModuleID"}}},
  {"HMI_Palettes",      {"ID"},                        {{kEditPalette, "ID"}}},
  {"PagesAndImages",    {"Page_ID"},                   {{kEditDisplayRecord, "Page_ID"}}},
  {"ElementsAndImages", {"Element_ID", "Image_Index"}, {{kEditElementPictures, "Element_ID"}}},
  {"ProjectImages",     {"ImageID"},                   {{kEditPicture, "CRC"}}},
  {"HMIJumps",          {"ID"},                        {{kEditDisplayRecord, "PageNum"}}},
  {"LdrFunctions",      {"FuncID"},                    {{kEditFunction, "FuncID"}}},
  {"Trends",            {"TrendID"},                   {{kEditAllElements, "0"}}},
  {"Curves",            {"CurveID"},                   {{kEditAllElements, "0"}}},
  {"tblFonts",          {"id"},                        {{kEditAllElements, "0"}}},
  {"tblFontGlyphs",     {"FontNumber", "Code"},        {{kEditAllElements, "0"}}},
  {"ProjectTexts",      {"ID"},                        {{kEditAllElements, "0"}}},
  {"ProjectSettings",   {"Name"},                      {{kEditEverything, "0"}}},
  // The store itself: a unit changed or removed by another program (the compile only ever
  // inserts or replaces a unit, and removes those of deleted items, which no longer count).
  {"DownloadUnits",     {"UnitGuid"},                  {{kEditItem, "UnitGuid"}}, kChangesAndRemovals},
  // The bookkeeping: a row another program adds or removes (the compile only updates rows).
  {"DownloadDLUs",      {"Guid"},                      {{kEditItem, "Guid"}}, kArrivalsAndRemovals},
}};
// clang-format on

std::string Logged(const LoggedTable& t, const char* row) {
  std::string sql;
  for (const LogEntry& e : t.entries) {
    std::string value = std::string(e.column) == "0" ? "0" : std::string(row) + "." + e.column;
    sql += "  INSERT OR IGNORE INTO CompileEdits VALUES ('" + std::string(e.what) + "', " + value + ");\n";
  }
  return sql;
}

// The rows an INSERT OR REPLACE or UPDATE OR REPLACE is about to remove without a delete
// trigger: those whose key equals the new row's.
std::string LoggedReplaced(const LoggedTable& t) {
  std::string where;
  for (const char* k : t.key) where += std::string(where.empty() ? "" : " AND ") + k + " = NEW." + k;
  std::string sql;
  for (const LogEntry& e : t.entries) {
    sql += "  INSERT OR IGNORE INTO CompileEdits SELECT '" + std::string(e.what) + "', " + e.column + " FROM " +
           t.table + " WHERE " + where + ";\n";
  }
  return sql;
}

std::string KeyChanged(const LoggedTable& t) {
  std::string when;
  for (const char* k : t.key) when += std::string(when.empty() ? "" : " OR ") + "NEW." + k + " IS NOT OLD." + k;
  return when;
}

std::string Trigger(const LoggedTable& t, const std::string& event, const std::string& timing,
                    const std::string& when, const std::string& body) {
  std::string name = "CompileLog" + std::string(t.table) + (timing == "BEFORE" ? "Replacing" : "") + event;
  return "CREATE TRIGGER IF NOT EXISTS " + name + " " + timing + " " + event +
         " ON " + t.table + (when.empty() ? "" : " WHEN " + when) + " BEGIN\n" + body + "END;\n";
}

}  // namespace

std::string EditLogScript() {
  std::string sql =
      "CREATE TABLE IF NOT EXISTS CompileEdits (What TEXT NOT NULL, Key, UNIQUE (What, Key));\n";
  for (const LoggedTable& t : kLoggedTables) {
    if (t.events == kAll) {
      sql += Trigger(t, "INSERT", "BEFORE", "", LoggedReplaced(t));
      sql += Trigger(t, "UPDATE", "BEFORE", KeyChanged(t), LoggedReplaced(t));
    }
    if (t.events != kChangesAndRemovals) sql += Trigger(t, "INSERT", "AFTER", "", Logged(t, "NEW"));
    if (t.events != kArrivalsAndRemovals) {
      sql += Trigger(t, "UPDATE", "AFTER", "", Logged(t, "OLD") + Logged(t, "NEW"));
    }
    sql += Trigger(t, "DELETE", "AFTER", "", Logged(t, "OLD"));
  }
  return sql;
}

std::vector<std::string> LoggedTableNames() {
  std::vector<std::string> names;
  for (const LoggedTable& t : kLoggedTables) names.emplace_back(t.table);
  return names;
}

}  // namespace brisklet
