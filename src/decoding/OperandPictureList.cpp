// Operand picture list "PR", 4 + 30 n bytes.
//
//  OFFSET        SIZE DESCRIPTION
//   0             2   tag
//   2             2   picture count n
//   4 + 30 (i-1)  8   first operand of picture i
//  12 + 30 (i-1)  8   second operand of picture i
//  20 + 30 (i-1) 14   image placement block of picture i
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeOperandPictureList(RecordReader& in, std::string_view) {
  in.Tag();
  uint32_t count = in.U16("picture count");
  in.Mark(FieldKind::Layout);
  for (uint32_t i = 1; i <= count && !in.Failed(); ++i) {
    RecordReader::Entry picture(in, "pictures", i, field::Counted(field::kPicture, i));
    in.Operand("first operand");
    in.Operand("second operand");
    ReadImageBlock(in);
  }
}

}  // namespace brisklet
