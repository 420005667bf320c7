// Texts between UTF-8 (the project database) and the project's single-byte ANSI code page
// (the download), one byte per character.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Bytes.h"

namespace brisklet {

// A character of a text that the download cannot hold, with the run-time error that the
// conversion raises for it.
struct CodePageFault {
  enum Kind { kNotUtf8, kControl, kNotInCodePage } kind;
  int32_t position;       // the character's place in the text from 1 (a stray byte counts as one)
  size_t byte;            // where its bytes begin in the text, from 0
  std::string character;  // its bytes (one byte that begins no UTF-8 character)
  char32_t code;          // its code point (the byte's value for a stray byte)
  std::string title;      // "Invalid text" or "Overflow"
  std::string text;       // what the error says
};

// Every character of a UTF-8 text that the code page cannot hold, in the order the conversion
// meets them: the bytes that are no UTF-8 character and the control characters other than CR
// and LF (the whole text is checked first), then the characters without a single byte in the
// code page. Empty for a text that converts.
std::vector<CodePageFault> CodePageFaults(const std::string& utf8, int32_t codePage);

// The code-page bytes of a UTF-8 text, one per character; the first of its CodePageFaults is
// the run-time error: "Invalid text" naming its position, or "Overflow" naming the character
// and the code page.
Bytes ToCodePage(const std::string& utf8, int32_t codePage);

// "U+03A9": a code point as the run-time errors write it.
std::string CodePointNamed(char32_t code);

// The character (a Unicode code point) that one byte of the code page stands for, or
// nothing when the code page leaves the byte undefined.
std::optional<char32_t> CodePageCharacter(uint8_t byte, int32_t codePage);

// Byte offsets of the characters of a UTF-8 text, plus the text's length at the end:
// character i is utf8.substr(offsets[i], offsets[i + 1] - offsets[i]).
std::vector<size_t> CharacterOffsets(const std::string& utf8);
// The number of characters of a UTF-8 text (a length byte of the download counts characters).
int32_t CharacterCount(const std::string& utf8);

}  // namespace brisklet
