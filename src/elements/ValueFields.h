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

class TextObject;
// The smallest frame of a timer's or clock's format: the sample text that stands for the
// format (`Sample` of the text object's text), measured in the text object's font and frame
// style. `actual` is the text measured.
void MeasureFormatSample(TextObject text, std::string (*Sample)(const std::string&), int32_t& width, int32_t& height,
                         std::string& actual);

}  // namespace brisklet
