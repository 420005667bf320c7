// Static pictures "PS" and "PM", 16 bytes: tag and image placement block.
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodeStaticPicture(RecordReader& in, std::string_view) {
  in.Tag();
  RecordReader::Part image(in, std::string(field::kImage));
  ReadImageBlock(in);
}

}  // namespace brisklet
