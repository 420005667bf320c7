// The random edits of the differential tests and the outcome of a compile as lines.
#include "support/RandomEdits.h"

#include <set>

#include "base/RuntimeError.h"

namespace brisklet::test {
namespace {

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// What a compile left behind and said; notices about the store itself (what was removed, why
// everything compiles again) are left out, as a compile from scratch has nothing to say of them.
std::vector<std::string> Outcome(TestProject& p, const std::string& error) {
  std::vector<std::string> out = p.Texts(
      "SELECT 'unit', UnitGuid, UnitType, Mode, hex(Data) FROM DownloadUnits UNION ALL SELECT 'flag', Guid, "
      "IsCompiled, '', '' FROM DownloadDLUs UNION ALL SELECT 'tab', ID, TabIndex, '', '' FROM HMI_Elements");
  for (const std::string& call : p.Messages().calls) out.push_back("message " + call);
  for (const std::string& finding : p.Messages().findings) out.push_back(finding);
  for (const std::string& notice : p.Notices()) {
    if (!StartsWith(notice, "every item is compiled again") && !StartsWith(notice, "removed ")) {
      out.push_back("notice " + notice);
    }
  }
  out.push_back("counts " + std::to_string(p.Compiler().ErrorCount()) + " " +
                std::to_string(p.Compiler().WarningCount()) + " " + error);
  return out;
}

}  // namespace

std::vector<std::string> Compile(TestProject& p, bool reference, std::string* failure) {
  p.Messages().calls.clear();
  p.Messages().findings.clear();
  p.Notices().clear();
  p.Compiler().SetReferenceRun(reference);
  std::string error;
  try {
    p.CompileAsHost();
  } catch (const RuntimeError& e) {
    error = e.Describe();  // with where it happened
  } catch (const std::exception& e) {
    error = e.what();
  }
  if (failure) *failure = error;
  return Outcome(p, error);
}

std::string Differences(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  std::multiset<std::string> onlyA(a.begin(), a.end()), onlyB(b.begin(), b.end());
  for (const std::string& line : b) {
    if (auto it = onlyA.find(line); it != onlyA.end()) onlyA.erase(it);
  }
  for (const std::string& line : a) {
    if (auto it = onlyB.find(line); it != onlyB.end()) onlyB.erase(it);
  }
  std::string text;
  int shown = 0;
  for (const std::string& line : onlyA)
    if (shown++ < 8) text += "\n- " + line.substr(0, 200);
  shown = 0;
  for (const std::string& line : onlyB)
    if (shown++ < 8) text += "\n+ " + line.substr(0, 200);
  return text.empty() ? "\nthe same lines in another order" : text;
}

std::vector<std::string> CompileFromScratch(TestProject& p) {
  TestProject scratch(TestProject::CopyOf{p, TempPath("scratch.db")});
  scratch.Db().Execute("DELETE FROM DownloadUnits");
  scratch.Db().Execute("UPDATE DownloadDLUs SET IsCompiled = 0");
  scratch.Db().Execute("DELETE FROM CompileItemFindings");
  return Compile(scratch, true);
}

bool Editor::RandomEdit() {
  int64_t element = Pick("SELECT ID FROM HMI_Elements");
  int64_t display = Pick("SELECT Id FROM Pages");
  switch (Below(44)) {
    case 0: {  // a copy of an element, on some display
      int64_t id = Max("ID", "HMI_Elements") + 1, guid = Max("Guid", "DownloadDLUs") + 1;
      Run("CREATE TEMP TABLE Copy AS SELECT * FROM HMI_Elements WHERE ID = ?", {element});
      Run("UPDATE temp.Copy SET ID = ?, GUID = ?, DisplayID = ?", {id, guid, display});
      Run("INSERT INTO HMI_Elements SELECT * FROM temp.Copy", {});
      Run("DROP TABLE temp.Copy", {});
      Run("INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (?, 0)", {guid});
      break;
    }
    case 1: Run("DELETE FROM HMI_Elements WHERE ID = ?", {element}); break;
    case 2: Run("UPDATE HMI_Elements SET DisplayID = ? WHERE ID = ?", {display, element}); break;
    case 3:  // touch, hide and switch operands from a few addresses, so that they meet
      Run("UPDATE HMI_Elements SET TouchOprndAddr = ?, VisibleOpAddr = ?, VarOprndAddr = ?, VarOprndType = 1 "
          "WHERE ID = ?",
          {OneOf({-1, 5, 6, 99}), OneOf({-1, 5, 99}), OneOf({-1, 5, 6}), element});
      break;
    case 4:  // names that meet, in other cases too
      Run("UPDATE HMI_Elements SET Text = ? WHERE ID = ?",
          {std::vector<Value>{"Pump", "PUMP", "Valve", "", "Fan"}[Below(5)], element});
      break;
    case 5: Run("UPDATE HMI_Elements SET TabIndex = ? WHERE ID = ?", {OneOf({1, 2, 3, 4, 255}), element}); break;
    case 6:  // a font the project may not have
      Run("UPDATE HMI_Elements SET FontNumber = ?, DescriptionFontNumber = ? WHERE ID = ?",
          {OneOf({0, 1, 2, 77}), OneOf({0, 77}), element});
      break;
    case 7:
      Run("UPDATE HMI_Elements SET Flat3D = ?, Dx = ?, Dy = ? WHERE ID = ?",
          {OneOf({0, 1, 3}), OneOf({5, 8, 60, 250}), OneOf({5, 60, 150}), element});
      break;
    case 8:  // another item's GUID
      Run("UPDATE HMI_Elements SET GUID = ? WHERE ID = ?",
          {Below(2) ? Pick("SELECT GUID FROM HMI_Elements") : Pick("SELECT GUID FROM Pages"), element});
      break;
    case 9:
      Run("UPDATE Pages SET Description = ?, ModuleID = ? WHERE Id = ?",
          {std::vector<Value>{"Main", "Pumps", "main"}[Below(3)], OneOf({1, 2, 3}), display});
      break;
    case 10:
      Run("UPDATE DispModules SET ModuleName = ? WHERE ModuleID = ?", {Below(2) ? "Area" : "Hall", OneOf({1, 2})});
      break;
    case 11:
      Run("UPDATE DownloadDLUs SET IsCompiled = 0 WHERE Guid = ?", {Pick("SELECT Guid FROM DownloadDLUs")});
      break;
    case 12:  // a font row goes or comes back
      if (Below(2)) {
        Run("DELETE FROM tblFonts WHERE FontNumber = ?", {OneOf({1, 2})});
      } else {
        Run("UPDATE tblFonts SET FontNumber = ? WHERE id = ?", {OneOf({1, 2, 3}), Pick("SELECT id FROM tblFonts")});
      }
      break;
    case 13:  // a trend graph of some size, on trend 1 or 2 of the trends tree
      Run("UPDATE HMI_Elements SET Type = 5, VarType = 23, Dx = ?, Dy = ?, Binary = ? WHERE ID = ?",
          {OneOf({150, 250}), OneOf({100, 200}),
           Below(2) ? R"({"GetTrendNumber": 1, "GetPointSpacing": 2})"
                    : R"({"GetTrendNumber": 2, "GetPointSpacing": 3})",
           element});
      break;
    case 14:  // a display row comes or goes
      if (Below(2)) {
        Run("DELETE FROM Pages WHERE Id = ?", {display});
      } else {
        int64_t id = Max("Id", "Pages") + 1, guid = Max("Guid", "DownloadDLUs") + 1;
        Run("INSERT INTO Pages (Id, GUID, ModuleID, Description) VALUES (?, ?, 1, 'New')", {id, guid});
        Run("INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (?, 0)", {guid});
      }
      break;
    case 15:  // a broken property blob, or a text that is Null, which some checks fail on
      Run("UPDATE HMI_Elements SET Binary = ? WHERE ID = ?", {Bytes{0x7B, 0x22}, element});
      break;
    case 16: Run("UPDATE HMI_Elements SET Text = NULL WHERE ID = ?", {element}); break;
    case 17:  // a glyph of a font
      Run("UPDATE tblFontGlyphs SET Advance = Advance + ? WHERE Code = ? AND FontNumber = (SELECT FontNumber FROM "
          "tblFonts ORDER BY id LIMIT 1)",
          {OneOf({1, 3}), OneOf({0x41, 0x45, 0x50, 0x61, 0x65, 0x20})});
      break;
    case 18:  // the order of the fonts
      Run("UPDATE tblFonts SET id = (SELECT max(id) FROM tblFonts) + 1 WHERE id = (SELECT min(id) FROM tblFonts)", {});
      break;
    case 19:  // a picture's pixels, or the picture gone
      if (Below(3)) {
        Run("UPDATE ProjectImages SET Data8bpp = (SELECT Data8bpp FROM ProjectImages AS o WHERE o.ImageID = ?) "
            "WHERE ImageID = ?",
            {Pick("SELECT ImageID FROM ProjectImages"), Pick("SELECT ImageID FROM ProjectImages")});
      } else {
        Run("DELETE FROM ProjectImages WHERE ImageID = ?", {Pick("SELECT ImageID FROM ProjectImages")});
      }
      break;
    case 20:  // which picture an element or a display shows, at which index (now and then none)
      if (int64_t which = Below(3); which == 0) {
        Run("UPDATE ElementsAndImages SET Image_CRC = ? WHERE rowid = ?",
            {Pick("SELECT CRC FROM ProjectImages"), Pick("SELECT rowid FROM ElementsAndImages")});
      } else if (which == 1) {
        Run("INSERT OR REPLACE INTO ElementsAndImages (Element_ID, Image_Index, Image_CRC, TransparencyLevel) "
            "VALUES (?, ?, ?, ?)",
            {element, Below(4) ? Value(OneOf({0, 1, 2})) : Value("first"), Pick("SELECT CRC FROM ProjectImages"),
             OneOf({0, 1})});
      } else {
        Run("INSERT OR REPLACE INTO PagesAndImages (Page_ID, Image_CRC, TransparencyLevel) VALUES (?, ?, ?)",
            {display, Pick("SELECT CRC FROM ProjectImages"), OneOf({0, 1})});
      }
      break;
    case 21:  // the text table
      if (Below(2)) {
        Run("INSERT INTO ProjectTexts (TextIndex, Text) VALUES ((SELECT COALESCE(MAX(TextIndex), 0) + 1 FROM "
            "ProjectTexts), 'Another text')",
            {});
      } else {
        Run("UPDATE ProjectTexts SET Text = 'Changed text' WHERE ID = ?", {Pick("SELECT ID FROM ProjectTexts")});
      }
      break;
    case 22:  // a palette's GUID, a loader function's GUID
      if (Below(2)) {
        Run("UPDATE HMI_Palettes SET GUID = GUID + 1 WHERE ID = ?", {Pick("SELECT ID FROM HMI_Palettes")});
      } else {
        Run("UPDATE LdrFunctions SET Guid = Guid + 7 WHERE FuncID = ?", {Pick("SELECT FuncID FROM LdrFunctions")});
      }
      break;
    case 23:  // a jump: its target or operand
      Run("UPDATE HMIJumps SET DispOpAddress = ?, JumpOpAddress = ? WHERE ID = ?",
          {display, OneOf({3, 40}), Pick("SELECT ID FROM HMIJumps")});
      break;
    case 24:  // the trends tree
      if (Below(2)) {
        Run("UPDATE Curves SET MaxValue = MaxValue + 10 WHERE CurveID = ?", {Pick("SELECT CurveID FROM Curves")});
      } else {
        Run("UPDATE Trends SET HistoryPoints = ? WHERE TrendID = ?",
            {OneOf({50, 100000}), Pick("SELECT TrendID FROM Trends")});
      }
      break;
    case 25:  // the screen width or the code page
      if (Below(2)) {
        Run("INSERT OR REPLACE INTO ProjectSettings (Name, Value) VALUES ('ScreenWidth', ?)", {OneOf({320, 480})});
      } else {
        Run("INSERT OR REPLACE INTO ProjectSettings (Name, Value) VALUES ('CodePage', ?)", {OneOf({1252, 1251})});
      }
      break;
    case 26:  // only the property blob, from another element of the kind
      Run("UPDATE HMI_Elements SET Binary = COALESCE((SELECT Binary FROM HMI_Elements AS o WHERE o.Type = "
          "HMI_Elements.Type AND o.VarType = HMI_Elements.VarType AND o.ID <> HMI_Elements.ID AND o.Binary IS NOT "
          "NULL "
          "ORDER BY o.ID LIMIT 1 OFFSET ?), Binary) WHERE ID = ?",
          {Below(3), element});
      break;
    case 27: {  // an element moved by INSERT OR REPLACE, which fires no delete trigger
      Run("CREATE TEMP TABLE Copy AS SELECT * FROM HMI_Elements WHERE ID = ?", {element});
      Run("UPDATE temp.Copy SET DisplayID = ?, Xs = Xs + 3", {display});
      Run("INSERT OR REPLACE INTO HMI_Elements SELECT * FROM temp.Copy", {});
      Run("DROP TABLE temp.Copy", {});
      break;
    }
    case 28:  // another element's ID taken by UPDATE OR REPLACE, which removes that element silently
      Run("UPDATE OR REPLACE HMI_Elements SET ID = ? WHERE ID = ?", {Pick("SELECT ID FROM HMI_Elements"), element});
      break;
    case 29:  // a display's row rebuilt the way the rename form of a table rebuild does it
      RebuildTable(Below(2) ? "Pages" : "HMI_Elements");
      break;
    case 30:  // an index of the user's, or one of ours dropped
      if (Below(2)) {
        Run("CREATE INDEX IF NOT EXISTS UsersOrder ON HMI_Elements (DisplayID, ORDERINDEX DESC, ID DESC)", {});
      } else {
        Run("DROP INDEX IF EXISTS HMI_ElementsByDisplayTab", {});
      }
      break;
    case 31:  // the tracking's own tables edited by another program
      switch (Below(4)) {
        case 0: Run("DELETE FROM CompileFindings", {}); break;
        case 1: Run("DELETE FROM CompileItemFindings", {}); break;
        case 2:  // edits fail until the next compile makes the table again
          Run("DROP TABLE CompileState", {});
          return false;
        default: Run("PRAGMA user_version = 0", {}); break;
      }
      break;
    case 32:  // an item's bookkeeping row gone, or back
      if (Below(2)) {
        Run("DELETE FROM DownloadDLUs WHERE Guid = ?", {Pick("SELECT Guid FROM DownloadDLUs")});
      } else {
        Run("INSERT OR IGNORE INTO DownloadDLUs (Guid, IsCompiled) SELECT GUID, 0 FROM HMI_Elements WHERE GUID IS "
            "NOT "
            "NULL UNION SELECT GUID, 0 FROM Pages",
            {});
      }
      break;
    case 33:  // a module comes or goes
      if (Below(2)) {
        Run("DELETE FROM DispModules WHERE ModuleID = ?", {OneOf({1, 2, 3})});
      } else {
        Run("INSERT OR REPLACE INTO DispModules (ModuleID, ModuleName) VALUES (?, 'Again')", {OneOf({1, 2, 3})});
      }
      break;
    case 34:  // a display of module -1, whose elements are never compiled
      Run("UPDATE Pages SET ModuleID = ? WHERE Id = ?", {OneOf({-1, 1}), display});
      break;
    case 35:  // the drawing order of an element
      Run("UPDATE HMI_Elements SET ORDERINDEX = ?, Type = ? WHERE ID = ? AND Type <> 5",
          {OneOf({0, 1, 5}), OneOf({1, 8, 12}), element});
      break;
    default:  // rarely, a row out of the ordinary, or back to normal
      if (Below(8) == 0) {
        Run("UPDATE HMI_Elements SET DisplayID = ? WHERE ID = ?", {Below(2) ? Value() : Value(0), element});
      } else {
        Repair(display);
      }
      break;
  }
  return true;
}

}  // namespace brisklet::test
