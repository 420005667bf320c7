// The upgrade steps of a project database: each is a script that brings a project of the
// version before it up to its own. docs/project-database.md describes what each adds.
#include "database/ProjectUpgrades.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "database/EditLog.h"
#include "database/LintTracking.h"

namespace brisklet {

namespace {

void AddColumnIfMissing(Connection& conn, const char* table, const char* column, const char* declaration) {
  // Names of ours, never user text.
  std::string sql = "SELECT 1 FROM pragma_table_info('" + std::string(table) + "') WHERE name = ?";
  if (conn.QueryValue(sql, {Value(column)})) return;
  conn.Execute("ALTER TABLE " + std::string(table) + " ADD COLUMN " + column + " " + declaration);
}

// Step 1: the indexes of the compiler's queries. Early projects had few of them.
constexpr std::string_view kIndexes = R"sql(
CREATE INDEX IF NOT EXISTS PagesByGuid ON Pages (GUID);
CREATE INDEX IF NOT EXISTS PagesByModule ON Pages (ModuleID);
-- Any element by display and touch operand: the partner side of duplicate touch operands.
-- Created before the next index, which the per-display queries keep using where both serve.
CREATE INDEX IF NOT EXISTS HMI_ElementsByDisplayTouch ON HMI_Elements (DisplayID, TouchOprndAddr);
CREATE INDEX IF NOT EXISTS HMI_ElementsByDisplayTab ON HMI_Elements (DisplayID, TabIndex);
CREATE INDEX IF NOT EXISTS HMI_ElementsByGuid ON HMI_Elements (GUID);
-- The element lists of a display record, read from the index alone: after DisplayID and
-- TabIndex comes ID, so rows come in the order of HMI_ElementsByDisplayTab.
CREATE INDEX IF NOT EXISTS HMI_ElementsDrawingOrder ON HMI_Elements (DisplayID, TabIndex, ID, Type, ORDERINDEX, GUID);
-- Indexes of the project checks. Each keeps the order in which its check has always met the
-- rows: partial indexes hold just the rows a check's condition selects (a query uses one only
-- when its condition implies the index's), keyed by ID where the check walks elements in ID
-- order. No new full index leads with Type, and the one leading with DisplayID comes before
-- HMI_ElementsByDisplayTab, so the per-display queries keep using that one.
-- Elements too small for their 3D frame, touch and hide on one operand, trend graphs too small.
CREATE INDEX IF NOT EXISTS HMI_ElementsTooSmallFor3D ON HMI_Elements (ID)
  WHERE (Flat3D=3 OR Flat3D=1) AND (Dx<9 OR Dy<9);
CREATE INDEX IF NOT EXISTS HMI_ElementsTouchAndHide ON HMI_Elements (ID)
  WHERE (TouchOprndAddr >= 0) And (VisibleOpAddr = TouchOprndAddr);
CREATE INDEX IF NOT EXISTS HMI_ElementsSmallTrends ON HMI_Elements (ID)
  WHERE (Type=5 AND (VarType=23 Or VarType=27)) AND (Dx<200 OR Dy<140);
-- Elements in the tab order, by display (tab-order normalisation).
CREATE INDEX IF NOT EXISTS HMI_ElementsInTabOrder ON HMI_Elements (DisplayID, TabIndex) WHERE TabIndex<>255;
-- Touch elements by display and operand (duplicate touch operands, touch operands shared
-- with switches).
CREATE INDEX IF NOT EXISTS HMI_ElementsTouching ON HMI_Elements (DisplayID, TouchOprndAddr)
  WHERE TouchOprndAddr <> -1 And TouchOprndAddr <> -2;
-- Buttons on an MB, by display and operand (touch operands shared with switches).
CREATE INDEX IF NOT EXISTS HMI_ElementsSwitches ON HMI_Elements (DisplayID, VarOprndAddr)
  WHERE Type=5 And (VarType=2 Or VarType=1) And VarOprndType=1;
-- Variables by name and display, in tab order (duplicate variable names).
CREATE INDEX IF NOT EXISTS HMI_ElementsVariableNames ON HMI_Elements (Text, DisplayID, TabIndex) WHERE Type=5;
-- The pending items of a compile, in GUID order, without a walk over every item.
CREATE INDEX IF NOT EXISTS DownloadDLUsPending ON DownloadDLUs (Guid) WHERE IsCompiled=0;
-- The count of stored units, read from a small index rather than from the records.
CREATE INDEX IF NOT EXISTS DownloadUnitsByType ON DownloadUnits (UnitType);
CREATE INDEX IF NOT EXISTS HMIJumpsByPage ON HMIJumps (PageNum, JumpType);
CREATE INDEX IF NOT EXISTS tblFontsByNumber ON tblFonts (FontNumber);
CREATE INDEX IF NOT EXISTS ProjectTextsByIndex ON ProjectTexts (TextIndex);
)sql";

// Elements with a font, with what the font check reads of them (in ID order) and the GUID that
// names the element a finding is about: the check's walk over every such element reads the
// index alone.
constexpr std::string_view kFontIndex = R"sql(
CREATE INDEX IF NOT EXISTS HMI_ElementsWithFonts ON HMI_Elements (ID, DisplayID, FontNumber, DescriptionFontNumber, Text,
  GUID) WHERE (FontNumber <> 0);
)sql";

// Step 2: what changed since the last compile, kept up to date by triggers whatever program
// edits the project, and the findings of the checks kept per display (or per name, or per
// download GUID), so that a compile checks again only what changed.
constexpr std::string_view kChangeTracking = R"sql(
-- Displays whose elements, display row or module changed since the last compile.
CREATE TABLE IF NOT EXISTS CompileChangedDisplays (DisplayID UNIQUE);
-- Variable names that an element had or has since the last compile.
CREATE TABLE IF NOT EXISTS CompileChangedNames (Name UNIQUE);
-- Flags of the change tracking, 1 or 0: 'AllChanged' (nothing kept can be trusted: fonts
-- changed, or the last compile did not keep what it found), 'Unchecked' (a row was written
-- with a display number or GUID out of the ordinary since the last look).
CREATE TABLE IF NOT EXISTS CompileState (Name TEXT PRIMARY KEY, Value);
INSERT OR IGNORE INTO CompileState VALUES ('AllChanged', 1), ('Unchecked', 1), ('Messages', NULL);
-- The download GUIDs a compile looks at for shared GUIDs (filled and emptied by each compile).
CREATE TABLE IF NOT EXISTS CompileGuids (Guid UNIQUE);
-- The findings of the checks, as the last compile made them. CheckID names the check, Part
-- the display, name or GUID whose rows made the finding, SortKey where the check's walk
-- meets it (ties in the order kept). Kind: 0 a message, 1 a notice, 2 and 3 an element or a
-- display that shares its GUID (DisplayID is its ID), 4 a display whose check ran.
CREATE TABLE IF NOT EXISTS CompileFindings (
  CheckID    INTEGER NOT NULL,
  Part       COLLATE NOCASE,
  SortKey    COLLATE NOCASE,
  Kind       INTEGER,
  Severity   INTEGER,
  ModuleID,
  Location,
  Message,
  DisplayID
);
CREATE INDEX IF NOT EXISTS CompileFindingsInOrder ON CompileFindings (CheckID, SortKey);
CREATE INDEX IF NOT EXISTS CompileFindingsByPart ON CompileFindings (CheckID, Part);

-- The rows of the duplicate variable name check, kept per display: each variable that shares
-- its name with a later variable of its display, as the check reads it.
CREATE TABLE IF NOT EXISTS CompileVariableRows (DisplayID, ID, VarName COLLATE NOCASE, Description, ModuleID);
CREATE INDEX IF NOT EXISTS CompileVariableRowsByName ON CompileVariableRows (VarName, DisplayID, ID);
CREATE INDEX IF NOT EXISTS CompileVariableRowsByDisplay ON CompileVariableRows (DisplayID);

CREATE TRIGGER IF NOT EXISTS CompileTrackElementInsert AFTER INSERT ON HMI_Elements BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (NEW.DisplayID);
  INSERT OR IGNORE INTO CompileChangedNames SELECT NEW.Text WHERE NEW.Type = 5;
  UPDATE CompileState SET Value = 1 WHERE Name = 'Unchecked' AND (typeof(NEW.DisplayID) <> 'integer'
    OR NEW.DisplayID NOT BETWEEN 1 AND 2147483647 OR typeof(NEW.GUID) <> 'integer');
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackElementUpdate AFTER UPDATE ON HMI_Elements BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (OLD.DisplayID);
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (NEW.DisplayID);
  INSERT OR IGNORE INTO CompileChangedNames SELECT OLD.Text WHERE OLD.Type = 5;
  INSERT OR IGNORE INTO CompileChangedNames SELECT NEW.Text WHERE NEW.Type = 5;
  UPDATE CompileState SET Value = 1 WHERE Name = 'Unchecked' AND (typeof(NEW.DisplayID) <> 'integer'
    OR NEW.DisplayID NOT BETWEEN 1 AND 2147483647 OR typeof(NEW.GUID) <> 'integer');
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackElementDelete AFTER DELETE ON HMI_Elements BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (OLD.DisplayID);
  INSERT OR IGNORE INTO CompileChangedNames SELECT OLD.Text WHERE OLD.Type = 5;
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackDisplayInsert AFTER INSERT ON Pages BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (NEW.Id);
  UPDATE CompileState SET Value = 1 WHERE Name = 'Unchecked' AND (NEW.Id NOT BETWEEN 1 AND 2147483647
    OR typeof(NEW.GUID) <> 'integer');
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackDisplayUpdate AFTER UPDATE OF Id, GUID, ModuleID, Description ON Pages BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (OLD.Id);
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (NEW.Id);
  UPDATE CompileState SET Value = 1 WHERE Name = 'Unchecked' AND (NEW.Id NOT BETWEEN 1 AND 2147483647
    OR typeof(NEW.GUID) <> 'integer');
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackDisplayDelete AFTER DELETE ON Pages BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (OLD.Id);
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackModuleInsert AFTER INSERT ON DispModules BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays SELECT Id FROM Pages WHERE ModuleID = NEW.ModuleID;
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackModuleUpdate AFTER UPDATE ON DispModules BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays SELECT Id FROM Pages WHERE ModuleID = OLD.ModuleID;
  INSERT OR IGNORE INTO CompileChangedDisplays SELECT Id FROM Pages WHERE ModuleID = NEW.ModuleID;
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackModuleDelete AFTER DELETE ON DispModules BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays SELECT Id FROM Pages WHERE ModuleID = OLD.ModuleID;
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackFontInsert AFTER INSERT ON tblFonts BEGIN
  UPDATE CompileState SET Value = 1 WHERE Name = 'AllChanged';
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackFontUpdate AFTER UPDATE ON tblFonts BEGIN
  UPDATE CompileState SET Value = 1 WHERE Name = 'AllChanged';
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackFontDelete AFTER DELETE ON tblFonts BEGIN
  UPDATE CompileState SET Value = 1 WHERE Name = 'AllChanged';
END;
)sql";

// Step 3: the font file itself beside each font's metrics, so that a preview can draw texts
// on any machine. Fonts added before it have none (Null).
void AddFontFiles(Connection& conn) { AddColumnIfMissing(conn, "tblFonts", "FontFile", "BLOB"); }

// Step 4: the element each kept finding is about, beside its text. Findings kept before it
// have none, so the next compile walks everything again.
void AddFindingElements(Connection& conn) {
  AddColumnIfMissing(conn, "CompileFindings", "ElementID", "INTEGER NOT NULL DEFAULT 0");
  AddColumnIfMissing(conn, "CompileFindings", "ElementGUID", "INTEGER NOT NULL DEFAULT 0");
  AddColumnIfMissing(conn, "CompileFindings", "ElementName", "NOT NULL DEFAULT ''");
  conn.Execute("UPDATE CompileState SET Value = 1 WHERE Name = 'AllChanged'");
}

// Named variables by display and name, in ID order: whether a variable has a later one of its
// name on its display is one look-up (with the tab index in between, it was a walk over all of
// them). Only a query that compares Text can use it, so the plans (and the row order) of the
// other queries of variables stay as they were.
constexpr std::string_view kVariableNamesById = R"sql(
CREATE INDEX IF NOT EXISTS HMI_ElementsVariableNamesById ON HMI_Elements (DisplayID, Text)
  WHERE Type=5 AND Text IS NOT NULL;
)sql";

// Step 6: the edit log (what any program's edits touched, database/EditLog.h), the findings
// kept with each stored item, and module changes noted without reading Pages (a trigger that
// reads another table breaks when a program rebuilds that table by renaming it).
constexpr std::string_view kStoredDownload = R"sql(
CREATE TABLE IF NOT EXISTS CompileItemFindings (
  Guid        INTEGER NOT NULL,
  Seq         INTEGER NOT NULL,
  ItemType    INTEGER NOT NULL,
  Kind        INTEGER NOT NULL,
  Rule        INTEGER,
  Severity    INTEGER,
  ModuleID    INTEGER,
  Location,
  Message,
  DisplayID   INTEGER,
  ElementID   INTEGER,
  ElementGUID INTEGER,
  ElementName,
  PRIMARY KEY (Guid, Seq)
);
CREATE TABLE IF NOT EXISTS CompileChangedModules (ModuleID UNIQUE);
-- The GUIDs of elements and displays without a DownloadDLUs row, as the last compile found them.
CREATE TABLE IF NOT EXISTS CompileUnbooked (Guid INTEGER PRIMARY KEY);
DROP TRIGGER IF EXISTS CompileTrackModuleInsert;
DROP TRIGGER IF EXISTS CompileTrackModuleUpdate;
DROP TRIGGER IF EXISTS CompileTrackModuleDelete;
CREATE TRIGGER IF NOT EXISTS CompileTrackModuleChanges AFTER INSERT ON DispModules BEGIN
  INSERT OR IGNORE INTO CompileChangedModules VALUES (NEW.ModuleID);
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackModuleUpdates AFTER UPDATE ON DispModules BEGIN
  INSERT OR IGNORE INTO CompileChangedModules VALUES (OLD.ModuleID);
  INSERT OR IGNORE INTO CompileChangedModules VALUES (NEW.ModuleID);
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackModuleDeletes AFTER DELETE ON DispModules BEGIN
  INSERT OR IGNORE INTO CompileChangedModules VALUES (OLD.ModuleID);
END;
-- A row that INSERT OR REPLACE or UPDATE OR REPLACE removes fires no delete trigger: its
-- display and name are noted before the new row replaces it.
CREATE TRIGGER IF NOT EXISTS CompileTrackReplacedElement BEFORE INSERT ON HMI_Elements BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays SELECT DisplayID FROM HMI_Elements WHERE ID = NEW.ID;
  INSERT OR IGNORE INTO CompileChangedNames SELECT Text FROM HMI_Elements WHERE ID = NEW.ID AND Type = 5;
END;
CREATE TRIGGER IF NOT EXISTS CompileTrackReplacedElementUpdate BEFORE UPDATE OF ID ON HMI_Elements
WHEN NEW.ID IS NOT OLD.ID BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays SELECT DisplayID FROM HMI_Elements WHERE ID = NEW.ID;
  INSERT OR IGNORE INTO CompileChangedNames SELECT Text FROM HMI_Elements WHERE ID = NEW.ID AND Type = 5;
END;
INSERT OR IGNORE INTO CompileState VALUES ('Schema', NULL), ('Kept', NULL), ('LastCompile', NULL), ('Runs', 0);
)sql";

// Step 7: each picture's width as it was imported from a picture file, so that an export draws
// it as it was (the pixels alone do not say); pictures without one have Null.
void AddPictureWidths(Connection& conn) { AddColumnIfMissing(conn, "ProjectImages", "Width", "INTEGER DEFAULT NULL"); }

// Step 8: the findings of our own checks kept between compiles, and the log of what edits touched
// for them (database/LintTracking.h).
void AddLintTracking(Connection& conn) { conn.Execute(LintTrackingScript()); }

void Run(Connection& conn, std::string_view script) { conn.Execute(std::string(script)); }

// Step 9: the font check's index made again with the GUID, where it was made without.
void AddGuidToFontIndex(Connection& conn) {
  std::optional<Value> made = conn.QueryValue(
      "SELECT sql FROM sqlite_master WHERE type = 'index' AND name = 'HMI_ElementsWithFonts' AND sql LIKE '%GUID%'");
  if (made) return;
  conn.Execute("DROP INDEX IF EXISTS HMI_ElementsWithFonts");
  Run(conn, kFontIndex);
}

// Every step can run again on a project that already has it (a project whose version was
// reset, as a dump and restore does, gains nothing twice).
const std::array<std::function<void(Connection&)>, 9> kSteps = {
    [](Connection& c) { Run(c, std::string(kIndexes) + std::string(kFontIndex)); },
    [](Connection& c) { Run(c, kChangeTracking); },
    AddFontFiles,
    AddFindingElements,
    [](Connection& c) { Run(c, kVariableNamesById); },
    [](Connection& c) { Run(c, std::string(kStoredDownload) + EditLogScript()); },
    AddPictureWidths,
    AddLintTracking,
    AddGuidToFontIndex,
};

}  // namespace

int ProjectSchemaVersion() { return static_cast<int>(kSteps.size()); }

int ProjectVersionOf(Connection& conn) {
  std::optional<Value> version = conn.QueryValue("PRAGMA user_version");
  return version ? static_cast<int>(version->ToLong("user_version")) : 0;
}

void UpgradeProject(Connection& conn) {
  int version = ProjectVersionOf(conn);
  // Another program may have set any number; no version of ours is below 0.
  if (version < 0) {
    throw RuntimeError("Cannot upgrade project database",
                       "its schema version (PRAGMA user_version) is " + std::to_string(version) +
                           ", which no version of Brisklet writes (0 to " + std::to_string(ProjectSchemaVersion()) +
                           "); set it to 0 to have every upgrade step checked again");
  }
  if (version > ProjectSchemaVersion()) {
    throw RuntimeError("Cannot upgrade project database",
                       "its schema version (PRAGMA user_version) is " + std::to_string(version) +
                           ", newer than this Brisklet's (" + std::to_string(ProjectSchemaVersion()) +
                           "): it was written by a later version");
  }
  for (int step = version; step < ProjectSchemaVersion(); ++step) kSteps[static_cast<size_t>(step)](conn);
  // The version is a number of ours, never user text.
  if (version < ProjectSchemaVersion()) conn.Execute("PRAGMA user_version = " + std::to_string(ProjectSchemaVersion()));
}

}  // namespace brisklet
