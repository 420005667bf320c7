// The image placement block of one picture of the picture records.
#include "elements/PictureBlock.h"

#include "encoding/ImageEncoding.h"

namespace brisklet {

Bytes PicturePlacementBlock(Recordset& row, const PictureProperties& picture, int32_t imageNumber) {
  return EncodeImageBlock(row.Long("Xs"), row.Long("Ys"), imageNumber, picture.ImageCrc(), picture.ImageTransparency(),
                          -1, -1);
}

}  // namespace brisklet
