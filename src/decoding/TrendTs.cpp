// Trend graph "TS": a 238-byte main block, one 30-byte block per entry, and a closing operand:
// 246 + 30 n bytes for n entries (the record's length gives n).
//
// Main block:                                Entry block:
//  OFFSET SIZE DESCRIPTION                    OFFSET SIZE DESCRIPTION
//   0      2   tag                             0      8   operand 1
//   2     40   reserved                        8      1   setting
//  42      1   constant 1                      9      1   reserved
//  43      1   constant 101                   10      8   operand 2
//  44      8   operand A                      18      2   reserved
//  52      4   reserved                       20      8   operand 3
//  56      8   operand B                      28      2   reserved
//  64      1   setting 1
//  65      1   reserved
//  66     12   plot: position, width, height, points shown, X ticks, Y ticks
//  78      2   settings 2, 3
//  82      1   reserved
//  83      3   settings 4, 5, 6
//  86     12   frame block (part 9)
//  98     26   button block ">" (part 6)
// 124     26   button block "<" (part 5)
// 150     12   panel block (part 11)
// 162     26   button block "G" (part 10)
// 188     12   frame block (part 3)
// 200     12   frame block (part 4)
// 212      1   setting 7 + 6
// 213      1   point spacing
// 214     12   frame block (part 0)
// 226     12   frame block (part 1)
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

namespace {

constexpr size_t kEntrySize = 30;
constexpr size_t kClosingSize = 8;

void ReadEntries(RecordReader& in) {
  size_t left = in.Left();
  if (left < kClosingSize || (left - kClosingSize) % kEntrySize != 0) {
    in.Problem(std::to_string(left) + " bytes after the main block are not entries of 30 bytes and an operand");
  }
  size_t entries = left < kClosingSize ? 0 : (left - kClosingSize) / kEntrySize;
  for (size_t i = 1; i <= entries; ++i) {
    RecordReader::Part entry(in, "entry " + std::to_string(i));
    in.Operand("operand 1");
    in.U8("setting");
    in.Reserved(1);
    in.Operand("operand 2");
    in.Reserved(2);
    in.Operand("operand 3");
    in.Reserved(2);
  }
}

}  // namespace

void DecodeTrendTs(RecordReader& in, std::string_view) {
  in.Tag();
  in.Reserved(40);
  in.Fixed("constant 1", 1, 1);
  in.Fixed("constant 101", 1, 101);
  in.Operand("operand A");
  in.Reserved(4);
  in.Operand("operand B");
  in.U8("setting 1");
  in.Reserved(1);
  ReadTrendPlot(in);
  in.U8("setting 2");
  in.U8("setting 3");
  in.Reserved(1);
  in.U8("setting 4");
  in.U8("setting 5");
  in.U8("setting 6");
  ReadTrendPart(in, 9, field::kFrame, ReadFrameBlock);
  for (int part : {6, 5}) ReadTrendPart(in, part, field::kButton, ReadButtonBlock);
  ReadTrendPart(in, 11, field::kPanel, ReadPanelBlock);
  ReadTrendPart(in, 10, field::kButton, ReadButtonBlock);
  for (int part : {3, 4}) ReadTrendPart(in, part, field::kFrame, ReadFrameBlock);
  in.Explain("project setting " + std::to_string(static_cast<int32_t>(in.U8("setting 7")) - 6));
  in.U8("point spacing");
  for (int part : {0, 1}) ReadTrendPart(in, part, field::kFrame, ReadFrameBlock);
  ReadEntries(in);
  in.Operand("closing operand");
}

}  // namespace brisklet
