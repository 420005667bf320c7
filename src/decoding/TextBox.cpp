// Text boxes "LS" and "FR": a text mode and a text block, static or linked by the mode.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2      1   text mode: 0 none, 1 own text (static), 2 text table, 3 text operand (linked)
//   3      1   reserved
//   4      n   text block; a linked one fills the record
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldMeanings.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void ReadModeAndText(RecordReader& in) {
  uint32_t mode = in.U8("text mode");
  in.Explain(TextModeMeaning(mode));
  in.Reserved(1);
  RecordReader::Part text(in, "text");
  if (mode >= 2) {
    ReadLinkedTextBlock(in, in.Left());
  } else {
    ReadStaticTextBlock(in);
  }
}

void DecodeTextBox(RecordReader& in, std::string_view) {
  in.Tag();
  ReadModeAndText(in);
}

}  // namespace brisklet
