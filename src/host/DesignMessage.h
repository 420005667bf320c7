// A design problem as the compiler reports it: the arguments of the system's message sink
// (severity, module, location, message, display) and, kept apart from the text, what it is
// about: its rule and the element it names.
#pragma once
#include <cstdint>
#include <string>

#include "database/Recordset.h"

namespace brisklet {

// The element a message is about: its ID and download GUID (0 when the message names no one
// element, or a name shared by several) and its name as the message gives it.
struct MessageElement {
  int32_t id = 0;
  int32_t guid = 0;
  std::string name;
};

struct DesignMessage {
  int32_t rule = 0;  // the rule number: 2 is written "BRK002" (checks/Checks.def, host/MessageRules.h)
  int32_t severity = 0;
  int32_t moduleId = 0;
  std::string location;
  std::string message;
  int32_t displayId = 0;
  MessageElement element{};
  std::string moduleName{};  // filled in by the component as it reports the message
};

// The element of a row that holds its ID and GUID, read without conversions that could fail
// (a field that is not a 32-bit integer counts as 0).
MessageElement ElementOfRow(const Recordset& row, std::string name, std::string_view idField = "ID",
                            std::string_view guidField = "GUID");

}  // namespace brisklet
