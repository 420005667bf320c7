// The elements of an element check's rows when it walks its own text, which names an element
// only by its display and Text: read from the check's keyed rows over all elements, each
// (display, Text) handing out its elements in ID order, as the check's own text meets them.
#pragma once
#include <deque>
#include <map>
#include <string>

#include "database/Recordset.h"
#include "host/DesignMessage.h"

namespace brisklet {

class ElementIdentities {
 public:
  // keyedRows: the check's text over all rows with its keys (KeySort the ID, KeyGuid the GUID).
  explicit ElementIdentities(Recordset& keyedRows);
  // The next element of the row's display and Text (0s when there is none left).
  MessageElement Next(const Recordset& row, std::string name);

 private:
  static std::string KeyOf(const Recordset& row);
  std::map<std::string, std::deque<MessageElement>> mElements;
};

}  // namespace brisklet
