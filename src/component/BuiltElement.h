// An element's record built apart from its storing: what its compile told is held, and a
// failure kept, until the walk comes to it.
#pragma once
#include <cstdint>
#include <exception>
#include <memory>

#include "base/Bytes.h"
#include "database/Recordset.h"
#include "encoding/HostMessages.h"

namespace brisklet {

struct BuiltElement {
  int32_t id = 0;
  std::unique_ptr<Recordset> row;  // null: not compiled (a display of module -1, a GUID clash)
  int64_t guid = 0;
  Bytes record;
  HeldReports held;
  std::exception_ptr failure;  // raised while the row was opened or the record built
  bool elsewhere = false;      // built on another thread
};

}  // namespace brisklet
