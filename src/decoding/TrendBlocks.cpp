// The blocks the trend graphs are made of.
//
// Frame block, 12 bytes:                 Button block, 24 + n + (2 or 1) bytes:
//  OFFSET SIZE DESCRIPTION                OFFSET SIZE DESCRIPTION
//   0      2   width                       0      2   width
//   2      2   height                      2      2   height
//   4      4   top-left pixel offset       4      4   top-left pixel offset
//   8      1   colour                      8      1   button colour
//   9      1   companion colour            9      1   companion colour
//  10      2   reserved                   10      1   constant 2
//                                         11      3   reserved
// Panel block, 12 bytes: as the frame     14      1   label colour
// block, its last two bytes 2 and 1.      15      1   constant 1
//                                         16      1   label length n + 1
// Curve block ("TR"), 54 bytes:           17      1   reserved
//   0      1   curve position 1..8        18      4   label pixel offset
//   1      1   decimals                   22      1   constant 6
//   2      8   curve variable operand     23      1   reserved
//  10      1   curve setting              24      n   label
//  11      1   reserved                   24+n  2/1   zero (one after a one-letter label)
//  12      8   minimum
//  20      2   reserved
//  22      8   maximum
//  30      2   reserved
//  32      1   storage kind: 2 an operand, 1 an address, 0 the curve's name
//  33      1   reserved
//  34     20   storage: 2: zero (2), operand (8), zero (10); 1: address (2), zero (18);
//              0: the name (18 characters, zero padded), zero, name x offset
#include "decoding/BlockReaders.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {
namespace {

constexpr size_t kCurveNameLength = 18;

void ReadCorner(RecordReader& in) {
  in.U16("width");
  in.U16("height");
  in.Position("position");
}

void ReadCurveName(RecordReader& in) {
  size_t length = 0;
  while (length < kCurveNameLength && in.Peek(length).value_or(0) != 0) ++length;
  in.Text(field::kName, length);
  in.Reserved(kCurveNameLength - length + 1, "name end");
  in.U8(field::kNameX);
}

}  // namespace

void ReadFrameBlock(RecordReader& in) {
  ReadCorner(in);
  in.Colour("colour");
  in.Colour("companion colour");
  in.Reserved(2);
}

void ReadPanelBlock(RecordReader& in) {
  ReadCorner(in);
  in.Colour("colour");
  in.Colour("companion colour");
  in.Fixed("constant 2", 1, 2);
  in.Fixed("constant 1", 1, 1);
}

void ReadButtonBlock(RecordReader& in) {
  ReadCorner(in);
  in.Colour("colour");
  in.Colour("companion colour");
  in.Fixed("constant 2", 1, 2);
  in.Reserved(3);
  in.Colour(field::kLabelColour);
  in.Fixed("constant 1", 1, 1);
  uint32_t length = in.U8("label length");
  in.Reserved(1);
  in.Position(field::kLabelPosition);
  in.Fixed("constant 6", 1, 6);
  in.Reserved(1);
  if (length == 0) {
    in.Problem("a button label length of 0 leaves no room for the label");
    return;
  }
  in.Text(field::kLabel, length - 1);
  in.Reserved(length - 1 == 1 ? 1 : 2, "label end");
}

void ReadCurveBlock(RecordReader& in) {
  in.U8("position");
  in.U8("decimals");
  in.Operand("variable");
  in.U8("setting");
  in.Reserved(1);
  in.Operand("minimum");
  in.Reserved(2);
  in.Operand("maximum");
  in.Reserved(2);
  uint32_t kind = in.U8("storage kind");
  in.Explain(kind == 2 ? "operand" : kind == 1 ? "address" : kind == 0 ? "name" : "");
  in.Reserved(1);
  if (kind == 2) {
    in.Reserved(2);
    in.Operand("storage operand");
    in.Reserved(10);
  } else if (kind == 1) {
    in.U16("storage address");
    in.Reserved(18);
  } else {
    ReadCurveName(in);
  }
}

void ReadTrendPlot(RecordReader& in) {
  in.Position(field::Name({field::kPlot, field::kPosition}));
  in.U16(field::Name({field::kPlot, field::kWidth}));
  in.U16(field::Name({field::kPlot, field::kHeight}));
  in.U16("points shown");
  in.U16(field::kXTicks);
  in.U16(field::kYTicks);
}

void ReadTrendPart(RecordReader& in, int part, std::string_view what, void (*read)(RecordReader&)) {
  RecordReader::Part name(in, field::Name({field::Counted(field::kPart, static_cast<size_t>(part)), what}));
  read(in);
}

}  // namespace brisklet
