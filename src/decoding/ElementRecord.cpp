// The element record: the 90-byte "VT" header, then the kind bytes, which begin with the tag
// that chooses their decoder.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "VT"
//   2      1   download type
//   3      1   variable flag
//   4      1   touch kind
//   5      1   tab index (255: not in the tab order)
//   6      1   background mode
//   7      1   linked variable flag
//   8      2   touch operand address (FFFF when none)
//  10      2   keypad success operand address
//  12      2   visible operand address
//  14      2   reserved
//  16      2   enabled operand address
//  18      2   reserved
//  20      2   highlight operand address
//  22     18   reserved
//  40     12   normal-state geometry block
//  52      1   variable operand present
//  53      1   reserved
//  54      8   variable operand block (zero when none)
//  62     12   touched-state geometry block
//  74      1   touched-state fore colour
//  75     15   reserved
//  90    ...   kind bytes
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldMeanings.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordParts.h"
#include "decoding/RecordReader.h"

namespace brisklet {
namespace {

constexpr uint32_t kNone16 = 0xFFFF;
constexpr uint32_t kNoTabIndex = 255;

void Address(RecordReader& in, std::string_view name) { in.Explain(in.U16(name) == kNone16 ? "none" : ""); }

void ReadHeader(RecordReader& in) {
  RecordReader::Part header(in, std::string(field::kHeader));
  in.Tag();
  in.Explain(DownloadTypeMeaning(static_cast<int32_t>(in.U8("download type"))));
  in.U8("variable flag");
  in.Explain(TouchKindMeaning(in.U8("touch kind")));
  in.Explain(in.U8("tab index") == kNoTabIndex ? "not in the tab order" : "");
  in.Explain(BackgroundMeaning(in.U8(field::kBackground)));
  in.U8("linked variable flag");
  Address(in, "touch operand");
  Address(in, "keypad success operand");
  Address(in, "visible operand");
  in.Reserved(2);
  Address(in, "enabled operand");
  in.Reserved(2);
  Address(in, "highlight operand");
  in.Reserved(18);
  {
    RecordReader::Part normal(in, std::string(field::kNormal));
    ReadGeometryBlock(in);
  }
  in.U8("variable operand present");
  in.Reserved(1);
  in.Operand("variable operand");
  {
    RecordReader::Part touched(in, "touched");
    ReadGeometryBlock(in);
  }
  in.Colour(field::kTouchedForeColour);
  in.Reserved(15);
}

}  // namespace

void ReadElementRecord(RecordReader& in) {
  ReadHeader(in);
  if (in.Left() == 0) return;  // a kind without kind bytes
  uint8_t letters[2] = {in.Peek(0).value_or(0), in.Peek(1).value_or(0)};
  std::string tag(letters, letters + 2);
  const KindDecoderRow* row = FindKindDecoder(tag);
  if (!row || !row->decode) {
    in.Problem("no decoder reads kind bytes that begin with " + Quoted(CodePageText(letters, 1252)));
    in.Raw("kind bytes", in.Left());
    return;
  }
  RecordReader::Part kind(in, field::KindPart(tag));
  row->decode(in, tag);
}

}  // namespace brisklet
