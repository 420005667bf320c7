// The entry field's picker grid and the names of its cells (entry modes 2 to 4).
//
// Grid block, 12 bytes:                  Calendar text block:
//  OFFSET SIZE DESCRIPTION                OFFSET SIZE DESCRIPTION
//   0      2   cell width                  0      1   entry width W
//   2      2   cell height                 1      1   zero
//   4      4   first cell pixel offset     2     ...  per cell, row by row: its name as W - 1
//   8      1   colour                                 characters, zero, the pixel offset where
//   9      1   companion colour                       the name is drawn; a cell without a
//  10      1   frame code                             name has only the zero and an offset
//  11      1   plain flag
#include "decoding/BlockReaders.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"
#include "encoding/CalendarTexts.h"

namespace brisklet {
namespace {

void ReadGridBlock(RecordReader& in) {
  RecordReader::Part grid(in, std::string(field::kGrid));
  in.U16(field::kCellWidth);
  in.U16(field::kCellHeight);
  in.Position(field::kFirstCell);
  in.Colour("colour");
  in.Colour("companion colour");
  in.U8("frame code");
  in.U8("plain flag");
}

void ReadCellNames(RecordReader& in, int32_t cells) {
  RecordReader::Part names(in, std::string(field::kNames));
  uint32_t width = in.U8("entry width");
  in.Reserved(1);
  if (width == 0) {
    in.Problem("the entry width of the cell names is 0");
    return;
  }
  for (int32_t i = 1; i <= cells && !in.Failed(); ++i) {
    RecordReader::Part cell(in, field::Counted(field::kCell, static_cast<size_t>(i)));
    if (in.Peek() != uint8_t{0}) in.Text(field::kName, width - 1);
    in.Reserved(1, "end");
    in.Position(field::kPosition);
  }
}

}  // namespace

void ReadKeypadBlocks(RecordReader& in, uint32_t entryMode) {
  KeypadGrid grid = KeypadGridOf(static_cast<int32_t>(entryMode));
  if (grid.columns == 0 || grid.rows == 0) return;
  ReadGridBlock(in);
  ReadCellNames(in, grid.columns * grid.rows);
}

}  // namespace brisklet
