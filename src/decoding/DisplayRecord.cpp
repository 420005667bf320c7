// The display record "PT", which ends with its jumps block "Pj".
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "PT"
//   2      2   palette GUID
//   4      1   background colour
//   5      3   focus text colour, focus gradient colour, its companion
//   8      3   disabled text colour, disabled gradient colour, its companion
//  11      3   marking text colour, marking gradient colour, its companion
//  14      1   reserved
//  15      1   background image flag
//  16     14   background image placement block (zero without an image)
//  30      2   offset of the jumps block
//  32      2   element count n
//  34     2n   element GUIDs (low 16 bits)
//  34+2n  ...  jumps block
#include "decoding/BlockReaders.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordParts.h"
#include "decoding/RecordReader.h"

namespace brisklet {
namespace {

void ReadStateColours(RecordReader& in, const std::string& state) {
  in.Colour(state + " text colour");
  in.Colour(state + " gradient colour");
  in.Colour(state + " gradient companion");
}

}  // namespace

void ReadDisplayRecord(RecordReader& in) {
  {
    RecordReader::Part display(in, std::string(field::kDisplay));
    in.Tag();
    in.U16("palette GUID");
    in.Colour(field::kBackgroundColour);
    ReadStateColours(in, "focus");
    ReadStateColours(in, "disabled");
    ReadStateColours(in, "marking");
    in.Reserved(1);
    if (in.U8("background image flag") != 0) {
      RecordReader::Part image(in, std::string(field::kBackgroundImage));
      ReadImageBlock(in);
    } else {
      in.Reserved(14, field::kBackgroundImage);
    }
    size_t jumps = in.U16("jumps offset");
    in.Mark(FieldKind::Layout);
    uint32_t count = in.U16("element count");
    in.Mark(FieldKind::Layout);
    for (uint32_t i = 1; i <= count; ++i) {
      RecordReader::Entry entry(in, "element list", i);
      in.Explain(in.Context().ElementOf(in.U16("element " + std::to_string(i))));
      in.Mark(FieldKind::ElementGuid);
    }
    if (!in.Failed() && jumps != in.Offset()) {
      in.Problem("the jumps offset is " + std::to_string(jumps) + ", but the jumps block starts at " +
                 std::to_string(in.Offset()));
    }
  }
  ReadDisplayJumps(in);
}

}  // namespace brisklet
