// The elements of an element check's own rows, from its keyed rows.
#include "checks/ElementIdentities.h"

namespace brisklet {

ElementIdentities::ElementIdentities(Recordset& keyedRows) {
  for (; !keyedRows.Eof(); keyedRows.MoveNext()) {
    mElements[KeyOf(keyedRows)].push_back(ElementOfRow(keyedRows, "", "KeySort", "KeyGuid"));
  }
}

MessageElement ElementIdentities::Next(const Recordset& row, std::string name) {
  auto found = mElements.find(KeyOf(row));
  if (found == mElements.end() || found->second.empty()) return {0, 0, std::move(name)};
  MessageElement element = found->second.front();
  found->second.pop_front();
  element.name = std::move(name);
  return element;
}

// The display and the Text as SQL texts: read without a conversion that could fail.
std::string ElementIdentities::KeyOf(const Recordset& row) {
  return row.Field("ID").SqlText() + '\n' + row.Field("Text").SqlText();
}

}  // namespace brisklet
