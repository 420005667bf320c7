// What the decoder needs to know of the project a record comes from, to say what its bytes
// mean: the screen width behind pixel offsets, the code page of its texts, its fonts by
// download index, and the names of the elements and displays its GUIDs stand for.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace brisklet {

class Connection;
class HostFactory;

struct DecodeContext {
  int32_t screenWidth = 0;  // 0 leaves positions as bare pixel offsets
  int32_t codePage = 1252;
  std::vector<std::string> fonts;            // by download index: "font 1 (DejaVu Sans, 12 px)"
  std::map<uint16_t, std::string> elements;  // by the low 16 bits of the GUID: "element 17"
  std::map<uint16_t, std::string> displays;  // by the low 16 bits of the GUID: "display 3 (Home)"

  // The element or display a GUID's low 16 bits stand for, or "".
  std::string ElementOf(uint32_t guid) const;
  std::string DisplayOf(uint32_t guid) const;
};

// The context of a project as its host sees it (screen width, code page) and as its tables
// hold it (fonts, elements, displays).
DecodeContext ReadDecodeContext(HostFactory& host, Connection& db);

}  // namespace brisklet
