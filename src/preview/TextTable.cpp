// Texts of the text table, read once each.
#include "preview/TextTable.h"

#include "database/Connection.h"
#include "database/Recordset.h"
#include "preview/Queries.h"

namespace brisklet {

std::optional<std::string> TextTable::Text(int64_t index) {
  auto known = mTexts.find(index);
  if (known != mTexts.end()) return known->second;
  std::optional<std::string> text;
  Recordset rs(mDb, kSqlPreviewText, {Value(index)});
  if (!rs.Eof()) text = rs.Str("Text");
  return mTexts.emplace(index, text).first->second;
}

}  // namespace brisklet
