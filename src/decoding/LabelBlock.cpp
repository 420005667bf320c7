// The label block that begins the entry forms, and the count block behind most of them.
//
// Label block:
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   label font index
//   3      1   label length L
//   4      n   counted label:    the label's characters, then FF when their number is even;
//                                L = n + 1 (the length byte counts itself)
//              terminated label: the characters, zero, then FF when their number is even;
//                                L = n
//              linked label:     zero, linked text tail; L = n
//
// Count block, 12 bytes: count, zero, constant 2, entry code, eight zero bytes.
//
// A counted label of an odd number of characters whose last is the code page's FF cannot be
// told from an even one with its pad: the FF is taken for the pad.
#include "decoding/BlockReaders.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {
namespace {

constexpr uint8_t kPad = 0xFF;

void ReadCountedLabel(RecordReader& in, uint32_t length) {
  if (length == 0) {
    in.Problem("the label length is 0, but it counts at least itself");
    return;
  }
  size_t characters = length - 1;
  bool pad = characters > 0 && in.Peek(characters - 1) == kPad;
  in.Text("text", pad ? characters - 1 : characters);
  if (pad) in.Fixed("pad", 1, kPad);
}

void ReadTerminatedLabel(RecordReader& in, uint32_t length) {
  size_t characters = 0;
  while (in.Peek(characters).value_or(0) != 0) ++characters;
  in.Text("text", characters);
  in.Reserved(1, "end");
  if (characters + 1 < length) in.Fixed("pad", 1, kPad);
  if (!in.Failed() && characters + 1 + (characters + 1 < length ? 1 : 0) != length) {
    in.Problem("the label length is " + std::to_string(length) + ", but the label takes " +
               std::to_string(characters + 1) + " bytes");
  }
}

}  // namespace

bool IsEntryForm(std::string_view tag) { return tag.starts_with("E"); }

void ReadLabelBlock(RecordReader& in, LabelForm form) {
  in.Tag();
  RecordReader::Part label(in, std::string(field::kLabel));
  in.Font(field::kFont, 1);
  uint32_t length = in.U8("length");
  if (LinkedTextAhead(in, 1)) {
    in.Reserved(1, "zero");
    ReadLinkedTextTail(in, length == 0 ? 0 : length - 1);
  } else if (form == LabelForm::Counted) {
    ReadCountedLabel(in, length);
  } else {
    ReadTerminatedLabel(in, length);
  }
}

void ReadTagOrLabel(RecordReader& in, std::string_view tag, LabelForm form, bool countBlock) {
  if (!IsEntryForm(tag)) {
    in.Tag();
    return;
  }
  ReadLabelBlock(in, form);
  if (countBlock) ReadCountBlock(in);
}

void ReadCountBlock(RecordReader& in) {
  RecordReader::Part count(in, "count block");
  in.U8("count");
  in.Reserved(1);
  in.Fixed("constant 2", 1, 2);
  in.U8("entry code");
  in.Reserved(8);
}

}  // namespace brisklet
