// Loading font metrics, once per font and compile.
#include "host/FontMetrics.h"

#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "host/Queries.h"

namespace brisklet {

std::shared_ptr<const FontMetrics> LoadFontMetrics(DefaultHost& host, int32_t fontNumber) {
  auto& cache = host.Cache().fonts;
  auto it = cache.find(fontNumber);
  if (it != cache.end()) return it->second;
  Connection& db = host.Db();
  auto turn = db.Turn();
  std::shared_ptr<FontMetrics> m;
  sqlite3_stmt* stmt = db.Prepared(kSqlFontMetrics);
  BindAll(stmt, {Value(fontNumber)});
  if (sqlite3_step(stmt) == SQLITE_ROW) {
    m = std::make_shared<FontMetrics>();
    m->fontNumber = fontNumber;
    m->index = sqlite3_column_int(stmt, 0);
    m->charset = sqlite3_column_int(stmt, 1);
    m->lineHeight = sqlite3_column_int(stmt, 2);
    m->ascent = sqlite3_column_int(stmt, 3);
  }
  sqlite3_reset(stmt);
  if (m) {
    sqlite3_stmt* glyphs = db.Prepared(kSqlFontGlyphs);
    BindAll(glyphs, {Value(fontNumber)});
    while (sqlite3_step(glyphs) == SQLITE_ROW) {
      int code = sqlite3_column_int(glyphs, 0);
      if (code >= 0 && code < 256) m->advance[static_cast<size_t>(code)] = sqlite3_column_int(glyphs, 1);
    }
    sqlite3_reset(glyphs);
  }
  cache.emplace(fontNumber, m);
  return m;
}

std::shared_ptr<const FontMetrics> LoadDrawingFont(DefaultHost& host, int32_t fontNumber) {
  if (auto own = fontNumber != 0 ? LoadFontMetrics(host, fontNumber) : nullptr) return own;
  auto first = host.Db().QueryValue(kSqlFirstFontNumber);
  if (first && !first->IsNull()) return LoadFontMetrics(host, first->ToLong("FontNumber"));
  if (!host.Cache().toldNoFonts) {
    host.Cache().toldNoFonts = true;
    host.Notice("the project has no fonts: texts could not be measured or checked against their frames");
  }
  return nullptr;
}

}  // namespace brisklet
