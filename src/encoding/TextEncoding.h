// Texts in the download: code-page bytes, the static and linked text blocks, alignment
// codes, the count block and the split of a number at its decimal point.
#pragma once
#include <cstdint>
#include <string>

#include "base/Bytes.h"

namespace brisklet {

class TextService;

Bytes GetAnsiBytes(const std::string& text);
void prvSplitAtDecimalPoint(const std::string& text, int32_t& before, int32_t& after);
Bytes EncodeCountBlock(int32_t& count);
// The count block of an entry form, its byte 3 replaced by the entry code.
Bytes EncodeEntryCountBlock(int32_t count, int32_t code);
uint8_t GetTextAlignmentCode(int32_t alignment);
Bytes EncodeStaticTextBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy, const std::string& text, int32_t fontNumber,
                            int32_t colour, int32_t alignment, int32_t frameStyle);
Bytes EncodeLinkedTextBlock(TextService& service, int32_t address, int32_t oprndType, int32_t xs, int32_t ys,
                            int32_t dx, int32_t dy, const std::string& text, int32_t fontNumber, int32_t colour,
                            int32_t alignment, int32_t frameStyle);

}  // namespace brisklet
