// Entry text "EP": label block, an optional code operand and two texts around a display part.
//
//  OFFSET SIZE DESCRIPTION
//   0      n   label block "EP", counted, no count block
//   n      2   zero
//   n+2    8   code operand (zero without a code)
//   n+10   t   text 1: fixed:  L, the characters, FF when their number is even; L = n + 1
//                      code:   the code value, zero, zero, 4
//                      linked: L, zero, zero, linked text tail; L = tail + 1
//          2   font index
//          1   entry style
//          1   zero
//          4   text position
//          1   constant 1
//          1   "*"
//          u   text 2: fixed:  L, the characters, FF when their number is odd; L = n (+ 1)
//                      linked: as text 1
//
// A fixed text whose last character is the code page's FF and that needs no pad cannot be
// told from a shorter one with its pad: the FF is taken for the pad.
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/RecordReader.h"

namespace brisklet {
namespace {

constexpr uint8_t kCodeForm = 4;
constexpr uint8_t kPad = 0xFF;
constexpr uint32_t kEntryMark = '*';

bool CodeFormAhead(const RecordReader& in) {
  return in.Peek(1) == uint8_t{0} && in.Peek(2) == uint8_t{0} && in.Peek(3) == kCodeForm;
}

// A length byte, then a linked text or `length - counted` characters with their pad.
void ReadText(RecordReader& in, uint32_t counted) {
  uint32_t length = in.U8("length");
  if (length > 0 && LinkedTextAhead(in, 2)) {
    in.Reserved(2, "zero");
    ReadLinkedTextTail(in, length - 1);
    return;
  }
  if (length < counted) {
    in.Problem("a text length of " + std::to_string(length) + " is less than the " + std::to_string(counted) +
               " it counts besides the characters");
    return;
  }
  size_t characters = length - counted;
  bool pad = characters > 0 && in.Peek(characters - 1) == kPad;
  in.Text("text", pad ? characters - 1 : characters);
  if (pad) in.Fixed("pad", 1, kPad);
}

void ReadText1(RecordReader& in) {
  RecordReader::Part text(in, "text 1");
  if (!CodeFormAhead(in)) {
    ReadText(in, 1);
    return;
  }
  in.U8("code value");
  in.Reserved(2);
  in.Fixed("code form", 1, kCodeForm);
}

}  // namespace

void DecodeEntryText(RecordReader& in, std::string_view) {
  ReadLabelBlock(in, LabelForm::Counted);
  in.Reserved(2);
  in.Operand("code operand");
  ReadText1(in);
  ReadTextHead(in, "entry style");
  in.Fixed("constant 1", 1, 1);
  in.Fixed("entry mark", 1, kEntryMark);
  RecordReader::Part text(in, "text 2");
  ReadText(in, 0);
}

}  // namespace brisklet
