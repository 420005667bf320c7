// The elements of one display as the preview draws them: their rows, in the order the display
// record lists them (the order the panel draws them in).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "PreviewFindings.h"
#include "base/Bytes.h"
#include "database/Connection.h"
#include "decoding/DecodeContext.h"
#include "preview/Canvas.h"

namespace brisklet::cli {

struct ElementRow {
  int32_t id = 0;
  uint16_t guid = 0;  // low 16 bits, as the display record lists it
  std::string name;
  Box frame;
};

// The display's elements, as listed by its record; elements it does not list come last.
std::vector<ElementRow> ElementsOf(Connection& db, int32_t displayId, const Bytes& displayRecord,
                                   const DecodeContext& context);
std::vector<NamedElement> NamesOf(const std::vector<ElementRow>& rows);

}  // namespace brisklet::cli
