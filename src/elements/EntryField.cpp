// Entry field "LF": an entry whose mode picks a keypad-like grid (a day of the week, a day
// of the month, a month, in the language of its calendar file) or a time or number entry;
// with touch kind 2 the record begins with an entry part, "EF".
//
//  OFFSET SIZE DESCRIPTION
//   0      n   entry part: label block "EF" with a terminated label and the count block
//              (1, EntryStyle); without it, the tag "LF" (2)
//   n      2   font index (FontNumber; 0 for an unknown font)
//   n+2    1   display style
//   n+3    1   zero
//   n+4    4   text position (modes 1 and 5: of "00:00" or "9999"; else of the sample text
//              as fitted)
//   n+8    1   entry mode - 1
//   n+9    1   zero
//   n+10  12   grid block (picker modes 2 to 4 only; KeypadBlocks.cpp)
//   n+22   t   calendar text block (picker modes 2 to 4 only; KeypadBlocks.cpp)
//
// The frame must be at least the entry's minimum size, else the element has no record.
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/ElementHeader.h"
#include "elements/KindProperties.h"
#include "elements/KindRegistry.h"
#include "elements/MinimumSize.h"
#include "elements/ValueFields.h"
#include "encoding/KeypadEncoding.h"

namespace brisklet {

Bytes ElementCompiler::prvCompileEntryField(Recordset& row, std::string_view tag) {
  EntryFieldProperties p;
  p.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  ByteWriter out;
  if (prvGetTouchKind(row) == kTouchEntry) {
    out.bytes(prvCompileEntryLabel(row, EntryTagOf(tag), 1, p.EntryStyle(), LabelEnd::Terminated));
  } else {
    out.tag(tag);
  }
  int32_t xs = row.Long("Xs"), ys = row.Long("Ys"), dx = row.Long("Dx"), dy = row.Long("Dy");
  int32_t font = row.Long("FontNumber"), flat3D = row.Long("Flat3D");
  out.u16(FontIndexField(font), "font").u8(CByte(p.DisplayStyle(), "DisplayStyle"), "display style").u8(0, "reserved");
  std::string text = prvFitTextToFrame(xs, ys, dx, dy, p.TextSource().SampleText(), font, flat3D);
  // `source` is a view into p's blob, not a copy of its values: the frame style and font set here
  // are what EntryMinimumSize measures with (p's text object is its text source).
  EntrySource source = p.TextSource();
  source.SetFrameStyle(flat3D);
  source.SetFont(font);
  int32_t mode = p.EntryMode();
  int32_t width = 0, height = 0;
  EntryMinimumSize(p, width, height, mode, text);
  if (!prvFrameHolds(row, width, height)) return {};
  int32_t border = prvGetBorderWidth(row.Long("Type"), row.Long("VarType"), flat3D);
  uint8_t colour = CByte(row.Long("ColorBack"), "ColorBack");
  return out.i32(SampleTextPosition(row, text), "text position")
      .u8(CByte(mode - 1, "entry mode"), "entry mode")
      .u8(0, "reserved")
      .bytes(EncodeKeypadGridBlock(xs, ys, dx, dy, prvGetBorder3DFlag(flat3D), border, colour, colour, mode), "grid")
      .bytes(
          EncodeKeypadTextBlock(xs, ys, dx, dy, border, mode, p.GridTextOption(), font, row.Long("Alignment"), flat3D),
          "names")
      .take();
}

}  // namespace brisklet
