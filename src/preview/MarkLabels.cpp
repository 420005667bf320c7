// Marks of elements with findings, with their numbers in a 3 x 5 pixel digit font.
#include "preview/MarkLabels.h"

#include <string>

namespace brisklet {
namespace {

// Each digit as five rows of three bits, the high bit on the left.
constexpr uint8_t kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};
constexpr int32_t kLabelHeight = 7;

}  // namespace

void DrawMark(Canvas& canvas, const Box& frame, int32_t number) {
  canvas.Frame({frame.x - 1, frame.y - 1, frame.width + 2, frame.height + 2}, kMarkColour);
  std::string digits = std::to_string(number);
  Box label{frame.x - 1, frame.y - 1 - kLabelHeight, 4 * static_cast<int32_t>(digits.size()) + 1, kLabelHeight};
  if (label.y < 0) label.y = frame.y + 1;
  canvas.Fill(label, kMarkColour);
  for (size_t i = 0; i < digits.size(); ++i) {
    const uint8_t* rows = kDigits[digits[i] - '0'];
    for (int32_t row = 0; row < 5; ++row) {
      for (int32_t column = 0; column < 3; ++column) {
        if (rows[row] & (4 >> column)) {
          canvas.Pixel(label.x + 1 + 4 * static_cast<int32_t>(i) + column, label.y + 1 + row, {255, 255, 255});
        }
      }
    }
  }
  canvas.PixelsDone();
}

}  // namespace brisklet
