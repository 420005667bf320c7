// The tables of a project database as the first versions made it (its indexes and the rest
// come from the upgrade steps). docs/project-database.md describes every column.
//
// Conventions of the script:
// - every non-key column has a DEFAULT, so a row can be inserted naming only the columns
//   it cares about;
// - operand addresses default to -1 (no operand), operand types to 0, colours to 0;
// - text columns default to '' and compare case-insensitively (COLLATE NOCASE), because
//   the queries were written for a store that compares text that way;
// - no two tables that a query joins share a column name that the query uses unqualified
//   or reads back by its bare name (so, for example, Curves has no TrendID and
//   HMI_Elements has no Description or ModuleID).
#include "database/ProjectSchema.h"

namespace brisklet {

namespace {

constexpr std::string_view kSchema = R"sql(
-- Display modules: the groups of displays of the operator panel.
CREATE TABLE DispModules (
  ModuleID    INTEGER PRIMARY KEY,
  ModuleName  TEXT    DEFAULT '' COLLATE NOCASE
);

-- Displays (pages) of the operator panel, one row per display.
CREATE TABLE Pages (
  Id                     INTEGER PRIMARY KEY,
  GUID                   INTEGER DEFAULT 0,
  ModuleID               INTEGER DEFAULT 0,
  Description            TEXT    DEFAULT '' COLLATE NOCASE,
  PaletteID              INTEGER DEFAULT 0,
  ColorBack              INTEGER DEFAULT 0,
  ColorFocusText         INTEGER DEFAULT 0,
  ColorFocusGradient     INTEGER DEFAULT 0,
  ColorDisabledText      INTEGER DEFAULT 0,
  ColorDisabledGradient  INTEGER DEFAULT 0,
  ColorMarkingText       INTEGER DEFAULT 0,
  ColorMarkingGradient   INTEGER DEFAULT 0,
  IsDisplayedOpType      INTEGER DEFAULT 0,
  IsDisplayedOpAddress   INTEGER DEFAULT -1,
  ConstrID               INTEGER DEFAULT 0,
  FuncID                 INTEGER DEFAULT 0,
  DestrID                INTEGER DEFAULT 0
);

-- HMI elements placed on the displays, one row per element.
CREATE TABLE HMI_Elements (
  ID                     INTEGER PRIMARY KEY,
  GUID                   INTEGER DEFAULT 0,
  DisplayID              INTEGER DEFAULT 0,
  Type                   INTEGER DEFAULT 0,
  VarType                INTEGER DEFAULT 0,
  Text                   TEXT    DEFAULT '' COLLATE NOCASE,
  TabIndex               INTEGER DEFAULT 255,
  ORDERINDEX             INTEGER DEFAULT 0,
  Xs                     INTEGER DEFAULT 0,
  Ys                     INTEGER DEFAULT 0,
  Dx                     INTEGER DEFAULT 0,
  Dy                     INTEGER DEFAULT 0,
  Flat3D                 INTEGER DEFAULT 0,
  ColorBack              INTEGER DEFAULT 0,
  ColorFore              INTEGER DEFAULT 0,
  ColorBackTouch         INTEGER DEFAULT 0,
  ColorForeTouch         INTEGER DEFAULT 0,
  PenWidth               INTEGER DEFAULT 1,
  FontNumber             INTEGER DEFAULT 0,
  DescriptionFontNumber  INTEGER DEFAULT 0,
  Alignment              INTEGER DEFAULT 0,
  TouchOprndAddr         INTEGER DEFAULT -1,
  KeypadSuccessOpAddr    INTEGER DEFAULT -1,
  VisibleOpAddr          INTEGER DEFAULT -1,
  EnabledOpAddr          INTEGER DEFAULT -1,
  HighlightOpAddr        INTEGER DEFAULT -1,
  VarOprndType           INTEGER DEFAULT 0,
  VarOprndAddr           INTEGER DEFAULT -1,
  StorageText            INTEGER DEFAULT 0,
  StrStorageOprndType    INTEGER DEFAULT 0,
  StrStorageOprndAddr    INTEGER DEFAULT -1,
  StrStorageFont         INTEGER DEFAULT 0,
  Binary                 BLOB    DEFAULT NULL
);

-- Download bookkeeping: one row per downloadable item (element or display), by GUID number.
CREATE TABLE DownloadDLUs (
  Guid        INTEGER PRIMARY KEY,
  IsCompiled  INTEGER DEFAULT 0
);

-- Colour palettes that displays refer to.
CREATE TABLE HMI_Palettes (
  ID    INTEGER PRIMARY KEY,
  GUID  INTEGER DEFAULT 0
);

-- Background picture of a display, at most one per display.
CREATE TABLE PagesAndImages (
  Page_ID            INTEGER PRIMARY KEY,
  Image_CRC          INTEGER DEFAULT -1,
  TransparencyLevel  INTEGER DEFAULT 0
);

-- Pictures of an element, numbered per element by Image_Index.
CREATE TABLE ElementsAndImages (
  Element_ID         INTEGER NOT NULL,
  Image_Index        INTEGER NOT NULL,
  Image_CRC          INTEGER DEFAULT -1,
  TransparencyLevel  INTEGER DEFAULT 0,
  PRIMARY KEY (Element_ID, Image_Index)
);

-- The project's image list, keyed by image CRC.
CREATE TABLE ProjectImages (
  ImageID   INTEGER PRIMARY KEY,
  CRC       INTEGER NOT NULL UNIQUE,
  Bits      INTEGER DEFAULT 8,
  Data8bpp  BLOB    DEFAULT NULL
);

-- Jumps of a display: an operand that, when set, switches to another display.
CREATE TABLE HMIJumps (
  ID             INTEGER PRIMARY KEY,
  PageNum        INTEGER DEFAULT 0,
  JumpType       INTEGER DEFAULT 0,
  JumpOpType     INTEGER DEFAULT 0,
  JumpOpAddress  INTEGER DEFAULT -1,
  DispOpAddress  INTEGER DEFAULT -1
);

-- Loader functions (constructor, function, destructor) that displays attach.
CREATE TABLE LdrFunctions (
  FuncID  INTEGER PRIMARY KEY,
  Guid    INTEGER DEFAULT 0
);

-- Trends of the trends tree; trend N owns the curves (N-1)*8+1 to N*8.
CREATE TABLE Trends (
  TrendID        INTEGER PRIMARY KEY,
  Name           TEXT    DEFAULT '' COLLATE NOCASE,
  HistoryPoints  INTEGER DEFAULT 0
);

-- Curves of the trends tree; the owning trend follows from CurveID alone.
CREATE TABLE Curves (
  CurveID              INTEGER PRIMARY KEY,
  DecimalBefore        INTEGER DEFAULT 0,
  MinOprndType         INTEGER DEFAULT 0,
  MinValue             INTEGER DEFAULT 0,
  MaxOprndType         INTEGER DEFAULT 0,
  MaxValue             INTEGER DEFAULT 0,
  StorageOprndType     INTEGER DEFAULT 0,
  StorageOprndAddress  INTEGER DEFAULT -1
);

-- Fonts of the project and their metrics, one row per font number.
CREATE TABLE tblFonts (
  id          INTEGER PRIMARY KEY,
  FontNumber  INTEGER DEFAULT 0,
  FontCRC     INTEGER DEFAULT 0,
  Charset     INTEGER DEFAULT 0,
  FontName    TEXT    DEFAULT '' COLLATE NOCASE,
  PixelSize   INTEGER DEFAULT 0,
  LineHeight  INTEGER DEFAULT 0,
  Ascent      INTEGER DEFAULT 0
);

-- Advance width of each character (a byte of the project code page) of a font.
CREATE TABLE tblFontGlyphs (
  FontNumber  INTEGER NOT NULL,
  Code        INTEGER NOT NULL,
  Advance     INTEGER DEFAULT 0,
  PRIMARY KEY (FontNumber, Code)
);

-- The project's text table, which linked texts name by index.
CREATE TABLE ProjectTexts (
  ID         INTEGER PRIMARY KEY,
  TextIndex  INTEGER DEFAULT 0,
  Text       TEXT    DEFAULT '' COLLATE NOCASE
);

-- The download store: the compiled record of each item, by GUID number.
CREATE TABLE DownloadUnits (
  UnitGuid  INTEGER PRIMARY KEY,
  UnitType  INTEGER DEFAULT 0,
  Mode      INTEGER DEFAULT 0,
  Data      BLOB    DEFAULT NULL
);

-- Project-wide settings as name and value pairs.
CREATE TABLE ProjectSettings (
  Name   TEXT PRIMARY KEY COLLATE NOCASE,
  Value  DEFAULT NULL
);
)sql";

}  // namespace

std::string_view ProjectSchemaSql() { return kSchema; }

}  // namespace brisklet
