// The two ways a text travels in a record, and the linked text behind a length byte.
//
// Static text block:
//  OFFSET SIZE DESCRIPTION
//   0      2   font index
//   2      1   colour
//   3      1   line count N
//   4      1   character count (CR LF pairs not counted)
//   5      1   reserved
//   6     6N   line entries: pixel offset (4), distance from the entry to its first character (2)
//  6+6N   ...  text area: per line [a zero to an even distance] characters, zero; then a zero
//              when the area's length is odd
//
// Linked text block, `size` bytes:
//  OFFSET SIZE DESCRIPTION
//   0      2   font index
//   2      1   colour
//   3      1   constant 1
//   4      1   constant 0
//   5      1   alignment code
//   6      4   anchor pixel offset
//  10      2   text address or text-table index
//  12     4C   the anchor again, once per text-table entry (size - 12 = 4C)
//
// Linked text tail:
//   0      1   source: 2 a text-table text, 3 a text operand
//   1      8   the text operand (source 3 only)
//   1/9    n   linked text block
#include <vector>

#include "decoding/BlockReaders.h"
#include "decoding/FieldMeanings.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {
namespace {

constexpr size_t kLinkedHead = 12;
constexpr uint8_t kTextTableSource = 2;
constexpr uint8_t kTextOperandSource = 3;

// The number of bytes ahead before the next zero byte (all that are left when there is none).
size_t CharactersAhead(const RecordReader& in) {
  size_t n = 0;
  while (in.Peek(n).value_or(0) != 0) ++n;
  return n;
}

}  // namespace

void ReadStaticTextBlock(RecordReader& in) {
  in.Font(field::kFont);
  in.Colour(field::kColour);
  uint32_t lines = in.U8("line count");
  uint32_t characters = in.U8("character count");
  in.Reserved(1);
  std::vector<size_t> starts;  // where each line's entry says its characters start
  for (uint32_t i = 1; i <= lines; ++i) {
    std::string line = field::Counted(field::kLine, i);
    size_t entry = in.Offset();
    in.Position(field::Name({line, field::kPosition}));
    starts.push_back(entry + in.U16(line + " distance"));
  }
  size_t area = in.Offset();
  size_t counted = 0;
  for (uint32_t i = 1; i <= lines && !in.Failed(); ++i) {
    std::string line = field::Counted(field::kLine, i);
    if (starts[i - 1] == in.Offset() + 1) in.Reserved(1, line + " pad");
    if (starts[i - 1] != in.Offset()) {
      in.Problem(line + "'s entry leads to byte " + std::to_string(starts[i - 1]) + ", but its characters start at " +
                 std::to_string(in.Offset()));
    }
    size_t length = CharactersAhead(in);
    in.Text(line, length);
    in.Reserved(1, line + " end");
    counted += length;
  }
  if ((in.Offset() - area) % 2 != 0) in.Reserved(1, "pad");
  if (!in.Failed() && counted != characters) {
    in.Problem("the character count is " + std::to_string(characters) + ", but the lines hold " +
               std::to_string(counted));
  }
}

void ReadLinkedTextBlock(RecordReader& in, size_t size) {
  if (size < kLinkedHead) {
    in.Problem("a linked text block of " + std::to_string(size) + " bytes is shorter than its 12-byte head");
  }
  in.Font(field::kFont);
  in.Colour(field::kColour);
  in.Fixed("constant 1", 1, 1);
  in.Fixed("constant 0", 1, 0);
  in.Explain(AlignmentMeaning(in.U8(field::kAlignment)));
  int32_t anchor = in.Position(field::kAnchor);
  in.U16(field::kTextAddress);
  if (size <= kLinkedHead) return;
  if ((size - kLinkedHead) % 4 != 0) {
    in.Problem("the linked text block's " + std::to_string(size - kLinkedHead) +
               " bytes of entry anchors are not a whole number of anchors");
  }
  in.Repeats(field::kEntryAnchors, (size - kLinkedHead) / 4, anchor);
}

void ReadLinkedTextTail(RecordReader& in, size_t size) {
  uint32_t source = in.U8("source");
  in.Explain(source == kTextTableSource ? "text table" : source == kTextOperandSource ? "text operand" : "");
  size_t head = 1;
  if (source == kTextOperandSource) {
    in.Operand("text operand");
    head += 8;
  }
  if (size < head) {
    in.Problem("a linked text of " + std::to_string(size) + " bytes has no room for its text block");
    return;
  }
  RecordReader::Part text(in, std::string(field::kText));
  ReadLinkedTextBlock(in, size - head);
}

void ReadTextHead(RecordReader& in, std::string_view style) {
  in.Font(field::kFont);
  in.U8(style);
  in.Reserved(1);
  in.Position(field::kTextPosition);
}

bool LinkedTextAhead(const RecordReader& in, size_t skip) {
  for (size_t i = 0; i < skip; ++i) {
    if (in.Peek(i) != uint8_t{0}) return false;
  }
  auto source = in.Peek(skip);
  return source == kTextTableSource || source == kTextOperandSource;
}

}  // namespace brisklet
