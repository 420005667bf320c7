// Writing a font's metrics into the project database.
#include "host/ProjectFonts.h"

#include "database/Connection.h"

namespace brisklet {

int32_t CharsetOfCodePage(int32_t codePage) {
  switch (codePage) {
    case 874: return 222;   // Thai
    case 932: return 128;   // Japanese
    case 936: return 134;   // Simplified Chinese
    case 949: return 129;   // Korean
    case 950: return 136;   // Traditional Chinese
    case 1250: return 238;  // Central European
    case 1251: return 204;  // Cyrillic
    case 1253: return 161;  // Greek
    case 1254: return 162;  // Turkish
    case 1255: return 177;  // Hebrew
    case 1256: return 178;  // Arabic
    case 1257: return 186;  // Baltic
    case 1258: return 163;  // Vietnamese
    default: return 0;      // Western (1252) and the rest
  }
}

namespace {

int64_t WriteFont(Connection& db, int32_t fontNumber, int32_t charset, const MeasuredFont& font) {
  Value crc(static_cast<int64_t>(static_cast<int32_t>(font.crc)));  // stored as a signed 32-bit number

  Value id = db.QueryValue("SELECT id FROM tblFonts WHERE FontNumber=? ORDER BY id LIMIT 1", {Value(fontNumber)})
                 .value_or(Value());
  if (id.IsNull()) {
    db.Execute(
        "INSERT INTO tblFonts (FontNumber, FontCRC, Charset, FontName, PixelSize, LineHeight, Ascent) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)",
        {Value(fontNumber), crc, Value(charset), Value(font.name), Value(font.pixelSize), Value(font.lineHeight),
         Value(font.ascent)});
  } else {
    db.Execute(
        "UPDATE tblFonts SET FontCRC=?, Charset=?, FontName=?, PixelSize=?, LineHeight=?, Ascent=? "
        "WHERE id=?",
        {crc, Value(charset), Value(font.name), Value(font.pixelSize), Value(font.lineHeight), Value(font.ascent), id});
    db.Execute("DELETE FROM tblFonts WHERE FontNumber=? AND id<>?", {Value(fontNumber), id});
  }

  db.Execute("DELETE FROM tblFontGlyphs WHERE FontNumber=?", {Value(fontNumber)});
  for (const auto& [code, advance] : font.advances) {
    db.Execute("INSERT INTO tblFontGlyphs (FontNumber, Code, Advance) VALUES (?, ?, ?)",
               {Value(fontNumber), Value(static_cast<int>(code)), Value(advance)});
  }

  db.Execute(
      "UPDATE DownloadDLUs SET IsCompiled=0 WHERE Guid IN (SELECT GUID FROM HMI_Elements "
      "WHERE FontNumber=? OR DescriptionFontNumber=? OR StrStorageFont=?)",
      {Value(fontNumber), Value(fontNumber), Value(fontNumber)});
  return sqlite3_changes(db.Handle());
}

}  // namespace

int64_t InstallFont(Connection& db, int32_t fontNumber, int32_t charset, const MeasuredFont& font) {
  if (db.InTransaction()) return WriteFont(db, fontNumber, charset, font);
  db.BeginTransaction();
  try {
    int64_t marked = WriteFont(db, fontNumber, charset, font);
    db.Commit();
    return marked;
  } catch (...) {
    db.Execute("ROLLBACK");
    throw;
  }
}

}  // namespace brisklet
