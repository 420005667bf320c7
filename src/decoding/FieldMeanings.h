// What the values of a record stand for: positions, operands, texts and the small code tables
// of the element header and the text blocks.
#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace brisklet {

// "(12, 40)" of a pixel offset on a screen that wide; "" when the width is not known.
std::string PositionMeaning(int32_t offset, int32_t screenWidth);
// "MI 12 (memory integer)", "constant integer -5", "none" of an 8-byte operand block.
std::string OperandMeaning(std::span<const uint8_t, 8> block);
// The UTF-8 text of code-page bytes; a byte the code page leaves undefined shows as \xNN.
std::string CodePageText(std::span<const uint8_t> bytes, int32_t codePage);
// A text in double quotes with quotes, backslashes and control characters escaped.
std::string Quoted(const std::string& text);
// Lowercase hex pairs separated by single spaces.
std::string HexOf(std::span<const uint8_t> bytes);

// Header byte 4, the touch kind.
std::string TouchKindMeaning(uint32_t kind);
// Header byte 6, how the background is painted.
std::string BackgroundMeaning(uint32_t mode);
// The text mode of the text boxes: where their text comes from.
std::string TextModeMeaning(uint32_t mode);
// The alignment code of a linked text block: row in the high nibble, column in the low.
std::string AlignmentMeaning(uint32_t code);

}  // namespace brisklet
