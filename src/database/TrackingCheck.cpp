// The project's own objects compared with those a new project has, and made so again.
#include "database/TrackingCheck.h"

#include <map>
#include <optional>

#include "database/Connection.h"
#include "database/Recordset.h"

namespace brisklet {

namespace {

struct SchemaObject {
  std::string type, sql;
};

// The objects of the compiler's own making (not the design tables, not SQLite's own), by name.
constexpr const char* kOwnObjects =
    "SELECT type, name, sql FROM sqlite_master WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite_%' AND (type IN "
    "('trigger', 'index') OR name LIKE 'Compile%') ORDER BY name";

std::map<std::string, SchemaObject> OwnObjects(Connection& conn) {
  std::map<std::string, SchemaObject> objects;
  for (Recordset rs(conn, kOwnObjects, 0, 1); !rs.Eof(); rs.MoveNext()) {
    objects[rs.Str("name")] = {rs.Str("type"), rs.Str("sql")};
  }
  return objects;
}

// What a project of this version has: made once per process in a new database in memory.
const std::map<std::string, SchemaObject>& ExpectedObjects() {
  static const std::map<std::string, SchemaObject> expected = [] {
    auto fresh = Connection::CreateInMemory();
    return OwnObjects(*fresh);
  }();
  return expected;
}

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// The project's own objects, with the build's fingerprint of the texts that make them: a
// build with other texts never takes another's note for its own.
std::string SoundText(const std::map<std::string, SchemaObject>& objects) {
  std::string text = BRISKLET_SCHEMA_FINGERPRINT;
  for (const auto& [name, object] : objects) text += "\n" + object.type + " " + name + ": " + object.sql;
  return text;
}

bool NotedSound(Connection& conn, const std::map<std::string, SchemaObject>& present) {
  if (!present.contains("CompileState")) return false;
  std::optional<Value> noted = conn.QueryValue("SELECT Value FROM CompileState WHERE Name = 'Tracking'");
  return noted && noted->IsText() && noted->ToString("Value") == SoundText(present);
}

}  // namespace

void NoteTrackingSound(Connection& conn) {
  std::map<std::string, SchemaObject> present = OwnObjects(conn);
  if (NotedSound(conn, present)) return;
  conn.Execute("INSERT OR REPLACE INTO CompileState VALUES ('Tracking', ?)", {Value(SoundText(present))});
}

std::vector<std::string> TrackingProblems(Connection& conn) {
  std::vector<std::string> problems;
  std::map<std::string, SchemaObject> present = OwnObjects(conn);
  if (NotedSound(conn, present)) return problems;
  for (const auto& [name, object] : ExpectedObjects()) {
    auto found = present.find(name);
    if (found == present.end()) {
      problems.push_back(object.type + " " + name + " is missing");
    } else if (found->second.sql != object.sql) {
      problems.push_back(object.type + " " + name + " was altered");
    }
  }
  return problems;
}

void RepairTracking(Connection& conn) {
  std::map<std::string, SchemaObject> present = OwnObjects(conn);
  // Tables first (dropping one drops its triggers and indexes, made again below).
  for (const char* type : {"table", "trigger", "index"}) {
    for (const auto& [name, object] : ExpectedObjects()) {
      if (object.type != type) continue;
      auto found = present.find(name);
      bool exists = conn.QueryValue("SELECT 1 FROM sqlite_master WHERE name = ?", {Value(name)}).has_value();
      if (exists && found != present.end() && found->second.sql == object.sql) continue;
      // Names and texts of our own making, never user text.
      if (exists) conn.Execute("DROP " + object.type + " " + Quoted(name));
      conn.Execute(object.sql);
    }
  }
  conn.Execute(
      "INSERT OR IGNORE INTO CompileState VALUES ('AllChanged', 1), ('Unchecked', 1), ('Messages', NULL), "
      "('Schema', NULL), ('Kept', NULL), ('LastCompile', NULL), ('Runs', 0)");
  conn.Execute("UPDATE CompileState SET Value = 1 WHERE Name IN ('AllChanged', 'Unchecked')");
  // Edits went unnoted: our own checks look at everything again.
  conn.Execute("DELETE FROM CompileLintKept");
}

std::string SchemaText(Connection& conn) {
  std::string text;
  for (Recordset rs(conn, "SELECT type, name, sql FROM sqlite_master WHERE sql IS NOT NULL ORDER BY type, name", 0, 1);
       !rs.Eof(); rs.MoveNext()) {
    text += rs.Str("type") + " " + rs.Str("name") + ": " + rs.Str("sql") + "\n";
  }
  return text;
}

std::vector<std::string> ForeignIndexes(Connection& conn) {
  std::vector<std::string> foreign;
  for (Recordset rs(conn, "SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL ORDER BY name", 0,
                    1);
       !rs.Eof(); rs.MoveNext()) {
    if (!ExpectedObjects().contains(rs.Str("name"))) foreign.push_back(rs.Str("name"));
  }
  return foreign;
}

}  // namespace brisklet
