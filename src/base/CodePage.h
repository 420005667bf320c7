// Texts between UTF-8 (the project database) and the project's single-byte ANSI code page
// (the download), one byte per character.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Bytes.h"

namespace brisklet {

// The code-page bytes of a UTF-8 text, one per character. Invalid UTF-8 or a control character
// other than CR and LF is "Invalid text" naming its position. A character the code page cannot
// hold in one byte raises "Overflow" naming the character and the code page.
Bytes ToCodePage(const std::string& utf8, int32_t codePage);

// The character (a Unicode code point) that one byte of the code page stands for, or
// nothing when the code page leaves the byte undefined.
std::optional<char32_t> CodePageCharacter(uint8_t byte, int32_t codePage);

// Byte offsets of the characters of a UTF-8 text, plus the text's length at the end:
// character i is utf8.substr(offsets[i], offsets[i + 1] - offsets[i]).
std::vector<size_t> CharacterOffsets(const std::string& utf8);
// The number of characters of a UTF-8 text (a length byte of the download counts characters).
int32_t CharacterCount(const std::string& utf8);

}  // namespace brisklet
