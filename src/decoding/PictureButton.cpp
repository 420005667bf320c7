// Picture button "PB", 30 bytes: tag, then the image placement blocks of its two pictures.
#include "decoding/BlockReaders.h"
#include "decoding/DecoderRegistry.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void DecodePictureButton(RecordReader& in, std::string_view) {
  in.Tag();
  for (std::string picture : {field::Counted(field::kPicture, 1), field::Counted(field::kPicture, 2)}) {
    RecordReader::Part part(in, picture);
    ReadImageBlock(in);
  }
}

}  // namespace brisklet
