// The shared encoders of the element and display compilers: operands, geometry, colours,
// texts, fonts and images, each returning fresh bytes for the caller to append.
#pragma once
#include <cstdint>
#include <string>

#include "database/RecordsetAccess.h"
#include "database/Value.h"
#include "host/MessageService.h"

namespace brisklet {

class TextService;

// Operands.
Bytes EncodeOperand(int32_t oprndType, int32_t oprndAddr);
Bytes EncodeUnsigned32(int64_t value);

// Geometry and colour.
int32_t ScreenWidth();
int32_t PixelOffset(int64_t x, int64_t y);
Bytes EncodeGeometryBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy, int32_t colour, int32_t borderWidth,
                          int32_t flag3D);
Bytes EncodeBoxBlock(int64_t xs, int64_t ys, int64_t dx, int64_t dy);
Bytes EncodeLineBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy);
void GetTextAnchorPoint(int32_t x, int32_t y, int32_t w, int32_t h, int32_t& outX, int32_t& outY,
                        int32_t alignment, int32_t frameStyle);
uint8_t CompanionColorByte(int32_t colour);

// Images.
Bytes EncodeImageBlock(int32_t x, int32_t y, int32_t imageNumber, int32_t crc, int32_t transparency, int32_t key1,
                       int32_t key2);
int32_t GetImageBits(int32_t crc);
int32_t GetImageKeyColor8(int32_t crc);
void GetImageKeyColor16(int32_t crc, int32_t& first, int32_t& second);
Bytes UncompressBytes(const Bytes& compressed);
int32_t GetImageCrc(int32_t elementId, int32_t imageIndex);
int32_t GetImageTransparency(int32_t elementId, int32_t imageIndex);
int32_t ImageNumberOf(int32_t crc);  // the image service's number, given the project connection

// Texts and fonts.
Bytes GetAnsiBytes(const std::string& text);
void prvSplitAtDecimalPoint(const std::string& text, int32_t& before, int32_t& after);
Bytes EncodeCountBlock(int32_t& count);
int32_t GetFontIndex(int32_t fontNumber);
int32_t GetFontCharset(int32_t fontNumber);
int32_t GetFontLineHeight(int32_t fontNumber);
void MeasureText(const std::string& text, int32_t fontNumber, int32_t x, int32_t y, int32_t w, int32_t h,
                 int32_t& outX, int32_t& outY, int32_t alignment, int32_t frameStyle);
int32_t GetFirstFontCrc();
std::string FitTextToFrame(int32_t xs, int32_t ys, int32_t dx, int32_t dy, const std::string& text,
                           int32_t fontNumber, int32_t flat3D);
std::string PrepareDisplayText(const std::string& text, int32_t fontNumber);
uint8_t GetTextAlignmentCode(int32_t alignment);
Bytes EncodeStaticTextBlock(int32_t xs, int32_t ys, int32_t dx, int32_t dy, const std::string& text,
                            int32_t fontNumber, int32_t colour, int32_t alignment, int32_t frameStyle);
Bytes EncodeLinkedTextBlock(TextService& service, int32_t address, int32_t oprndType, int32_t xs, int32_t ys,
                            int32_t dx, int32_t dy, const std::string& text, int32_t fontNumber, int32_t colour,
                            int32_t alignment, int32_t frameStyle);

// Messages.
std::string GetMessageText(int32_t id, const ParamList& params = {});
// Shows a message box through the host (never blocking in the defaults).
int ShowMessageBox(const std::string& text);

}  // namespace brisklet
