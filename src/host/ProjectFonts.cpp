// Writing a font's metrics into the project database.
#include "host/ProjectFonts.h"

#include "database/Connection.h"
#include "database/ProjectUpgrades.h"
#include "database/Queries.h"
#include "host/Queries.h"

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
  UpgradeProject(db);  // a project made by an earlier version gains the column of the font file
  Value crc(static_cast<int64_t>(static_cast<int32_t>(font.crc)));  // stored as a signed 32-bit number

  Value id = db.QueryValue(kSqlFontId, {Value(fontNumber)}).value_or(Value());
  if (id.IsNull()) {
    db.Execute(kSqlInsertFont, {Value(fontNumber), crc, Value(charset), Value(font.name), Value(font.pixelSize),
                                Value(font.lineHeight), Value(font.ascent), Value(font.file)});
  } else {
    db.Execute(kSqlUpdateFont, {crc, Value(charset), Value(font.name), Value(font.pixelSize), Value(font.lineHeight),
                                Value(font.ascent), Value(font.file), id});
    db.Execute(kSqlDeleteOtherFonts, {Value(fontNumber), id});
  }

  db.Execute(kSqlDeleteGlyphs, {Value(fontNumber)});
  for (const auto& [code, advance] : font.advances) {
    db.Execute(kSqlInsertGlyph, {Value(fontNumber), Value(static_cast<int>(code)), Value(advance)});
  }

  db.Execute(kSqlMarkFontUsers, {Value(fontNumber), Value(fontNumber), Value(fontNumber)});
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
    db.Execute(kSqlRollback);
    throw;
  }
}

}  // namespace brisklet
