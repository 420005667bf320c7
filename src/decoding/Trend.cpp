// Trend graph "TR": a 222-byte trend block, then one 54-byte curve block per curve
// (TrendBlocks.cpp).
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag
//   2     20   reserved
//  22      1   trend number
//  23      1   setting A
//  24      4   plot position (part 7)
//  28      2   plot width (part 7)
//  30      2   plot height (part 8)
//  32      2   points shown
//  34      2   X ticks
//  36      2   Y ticks
//  38      2   settings B, C
//  40      7   reserved
//  47      3   settings D, E, F
//  50     12   frame block (part 9)
//  62     28   button block ">>" (part 6)
//  90     28   button block "<<" (part 5)
// 118     26   button block "M" (part 2)
// 144     26   button block "G" (part 10)
// 170     12   frame block (part 3)
// 182     12   frame block (part 4)
// 194      1   setting G + 6
// 195      1   point spacing
// 196     12   frame block (part 0)
// 208     12   frame block (part 1)
// 220      1   curve count n
// 221      1   constant 1
// 222    54n   curve blocks
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeTrend(RecordReader& in, std::string_view) {
  in.Tag();
  in.Reserved(20);
  in.U8("trend number");
  in.U8("setting A");
  ReadTrendPlot(in);
  in.U8("setting B");
  in.U8("setting C");
  in.Reserved(7);
  in.U8("setting D");
  in.U8("setting E");
  in.U8("setting F");
  ReadTrendPart(in, 9, field::kFrame, ReadFrameBlock);
  for (int part : {6, 5, 2, 10}) ReadTrendPart(in, part, field::kButton, ReadButtonBlock);
  for (int part : {3, 4}) ReadTrendPart(in, part, field::kFrame, ReadFrameBlock);
  in.Explain("project setting " + std::to_string(static_cast<int32_t>(in.U8("setting G")) - 6));
  in.U8("point spacing");
  for (int part : {0, 1}) ReadTrendPart(in, part, field::kFrame, ReadFrameBlock);
  uint32_t curves = in.U8("curve count");
  in.Fixed("constant 1", 1, 1);
  for (uint32_t i = 1; i <= curves && !in.Failed(); ++i) {
    RecordReader::Part curve(in, field::Counted(field::kCurve, i));
    ReadCurveBlock(in);
  }
}

}  // namespace brisklet
