// The upgrade steps of a project database: each is a script that brings a project of the
// version before it up to its own. docs/project-database.md describes what each adds.
#include "database/ProjectUpgrades.h"

#include <array>
#include <string>

#include "base/RuntimeError.h"
#include "database/Connection.h"

namespace brisklet {

namespace {

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
-- Elements with a font, with what the font check reads of them (in ID order).
CREATE INDEX IF NOT EXISTS HMI_ElementsWithFonts ON HMI_Elements (ID, DisplayID, FontNumber, DescriptionFontNumber, Text)
  WHERE (FontNumber <> 0);
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

// Step 2: what changed since the last compile, kept up to date by triggers whatever program
// edits the project, and the findings of the checks kept per display (or per name, or per
// download GUID), so that a compile checks again only what changed.
constexpr std::string_view kChangeTracking = R"sql(
-- Displays whose elements, display row or module changed since the last compile.
CREATE TABLE CompileChangedDisplays (DisplayID UNIQUE);
-- Variable names that an element had or has since the last compile.
CREATE TABLE CompileChangedNames (Name UNIQUE);
-- Flags of the change tracking, 1 or 0: 'AllChanged' (nothing kept can be trusted: fonts
-- changed, or the last compile did not keep what it found), 'Unchecked' (a row was written
-- with a display number or GUID out of the ordinary since the last look).
CREATE TABLE CompileState (Name TEXT PRIMARY KEY, Value);
INSERT INTO CompileState VALUES ('AllChanged', 1), ('Unchecked', 1), ('Messages', NULL);
-- The download GUIDs a compile looks at for shared GUIDs (filled and emptied by each compile).
CREATE TABLE CompileGuids (Guid UNIQUE);
-- The findings of the checks, as the last compile made them. CheckID names the check, Part
-- the display, name or GUID whose rows made the finding, SortKey where the check's walk
-- meets it (ties in the order kept). Kind: 0 a message, 1 a notice, 2 and 3 an element or a
-- display that shares its GUID (DisplayID is its ID), 4 a display whose check ran.
CREATE TABLE CompileFindings (
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
CREATE INDEX CompileFindingsInOrder ON CompileFindings (CheckID, SortKey);
CREATE INDEX CompileFindingsByPart ON CompileFindings (CheckID, Part);

-- The rows of the duplicate variable name check, kept per display: each variable that shares
-- its name with a later variable of its display, as the check reads it.
CREATE TABLE CompileVariableRows (DisplayID, ID, VarName COLLATE NOCASE, Description, ModuleID);
CREATE INDEX CompileVariableRowsByName ON CompileVariableRows (VarName, DisplayID, ID);
CREATE INDEX CompileVariableRowsByDisplay ON CompileVariableRows (DisplayID);

CREATE TRIGGER CompileTrackElementInsert AFTER INSERT ON HMI_Elements BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (NEW.DisplayID);
  INSERT OR IGNORE INTO CompileChangedNames SELECT NEW.Text WHERE NEW.Type = 5;
  UPDATE CompileState SET Value = 1 WHERE Name = 'Unchecked' AND (typeof(NEW.DisplayID) <> 'integer'
    OR NEW.DisplayID NOT BETWEEN 1 AND 2147483647 OR typeof(NEW.GUID) <> 'integer');
END;
CREATE TRIGGER CompileTrackElementUpdate AFTER UPDATE ON HMI_Elements BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (OLD.DisplayID);
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (NEW.DisplayID);
  INSERT OR IGNORE INTO CompileChangedNames SELECT OLD.Text WHERE OLD.Type = 5;
  INSERT OR IGNORE INTO CompileChangedNames SELECT NEW.Text WHERE NEW.Type = 5;
  UPDATE CompileState SET Value = 1 WHERE Name = 'Unchecked' AND (typeof(NEW.DisplayID) <> 'integer'
    OR NEW.DisplayID NOT BETWEEN 1 AND 2147483647 OR typeof(NEW.GUID) <> 'integer');
END;
CREATE TRIGGER CompileTrackElementDelete AFTER DELETE ON HMI_Elements BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (OLD.DisplayID);
  INSERT OR IGNORE INTO CompileChangedNames SELECT OLD.Text WHERE OLD.Type = 5;
END;
CREATE TRIGGER CompileTrackDisplayInsert AFTER INSERT ON Pages BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (NEW.Id);
  UPDATE CompileState SET Value = 1 WHERE Name = 'Unchecked' AND (NEW.Id NOT BETWEEN 1 AND 2147483647
    OR typeof(NEW.GUID) <> 'integer');
END;
CREATE TRIGGER CompileTrackDisplayUpdate AFTER UPDATE OF Id, GUID, ModuleID, Description ON Pages BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (OLD.Id);
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (NEW.Id);
  UPDATE CompileState SET Value = 1 WHERE Name = 'Unchecked' AND (NEW.Id NOT BETWEEN 1 AND 2147483647
    OR typeof(NEW.GUID) <> 'integer');
END;
CREATE TRIGGER CompileTrackDisplayDelete AFTER DELETE ON Pages BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays VALUES (OLD.Id);
END;
CREATE TRIGGER CompileTrackModuleInsert AFTER INSERT ON DispModules BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays SELECT Id FROM Pages WHERE ModuleID = NEW.ModuleID;
END;
CREATE TRIGGER CompileTrackModuleUpdate AFTER UPDATE ON DispModules BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays SELECT Id FROM Pages WHERE ModuleID = OLD.ModuleID;
  INSERT OR IGNORE INTO CompileChangedDisplays SELECT Id FROM Pages WHERE ModuleID = NEW.ModuleID;
END;
CREATE TRIGGER CompileTrackModuleDelete AFTER DELETE ON DispModules BEGIN
  INSERT OR IGNORE INTO CompileChangedDisplays SELECT Id FROM Pages WHERE ModuleID = OLD.ModuleID;
END;
CREATE TRIGGER CompileTrackFontInsert AFTER INSERT ON tblFonts BEGIN
  UPDATE CompileState SET Value = 1 WHERE Name = 'AllChanged';
END;
CREATE TRIGGER CompileTrackFontUpdate AFTER UPDATE ON tblFonts BEGIN
  UPDATE CompileState SET Value = 1 WHERE Name = 'AllChanged';
END;
CREATE TRIGGER CompileTrackFontDelete AFTER DELETE ON tblFonts BEGIN
  UPDATE CompileState SET Value = 1 WHERE Name = 'AllChanged';
END;
)sql";

// Step 3: the font file itself beside each font's metrics, so that a preview can draw texts
// on any machine. Fonts added before it have none (Null).
constexpr std::string_view kFontFiles = R"sql(
ALTER TABLE tblFonts ADD COLUMN FontFile BLOB;
)sql";

// Step 4: the element each kept finding is about, beside its text. Findings kept before it
// have none, so the next compile walks everything again.
constexpr std::string_view kFindingElements = R"sql(
ALTER TABLE CompileFindings ADD COLUMN ElementID INTEGER NOT NULL DEFAULT 0;
ALTER TABLE CompileFindings ADD COLUMN ElementGUID INTEGER NOT NULL DEFAULT 0;
ALTER TABLE CompileFindings ADD COLUMN ElementName NOT NULL DEFAULT '';
UPDATE CompileState SET Value = 1 WHERE Name = 'AllChanged';
)sql";

// Named variables by display and name, in ID order: whether a variable has a later one of its
// name on its display is one look-up (with the tab index in between, it was a walk over all of
// them). Only a query that compares Text can use it, so the plans (and the row order) of the
// other queries of variables stay as they were.
constexpr std::string_view kVariableNamesById = R"sql(
CREATE INDEX IF NOT EXISTS HMI_ElementsVariableNamesById ON HMI_Elements (DisplayID, Text)
  WHERE Type=5 AND Text IS NOT NULL;
)sql";

constexpr std::array<std::string_view, 5> kSteps = {kIndexes, kChangeTracking, kFontFiles, kFindingElements,
                                                    kVariableNamesById};

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
  for (int step = version; step < ProjectSchemaVersion(); ++step) conn.Execute(std::string(kSteps[step]));
  // The version is a number of ours, never user text.
  if (version < ProjectSchemaVersion()) conn.Execute("PRAGMA user_version = " + std::to_string(ProjectSchemaVersion()));
}

}  // namespace brisklet
