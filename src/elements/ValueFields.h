// Fields every value element (number, timer, clock) carries in its main block.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace brisklet {

class Recordset;

// The element font's index as a 16-bit field: 0 for a font the project does not have.
uint16_t FontIndexField(int32_t fontNumber);
// Where the element's sample text is drawn in its frame, as a pixel offset.
int32_t SampleTextPosition(Recordset& row, const std::string& sample);
// The entry form's tag of a display form's tag: "LO" -> "EO".
std::string EntryTagOf(std::string_view displayTag);

}  // namespace brisklet
