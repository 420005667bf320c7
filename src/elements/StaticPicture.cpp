// Static pictures "PS" (Type 3) and "PM" (VarType 20), 16 bytes: tag and image placement
// block of the element's image 0.
#include "component/clsDownload.h"
#include "elements/ElementKinds.h"
#include "encoding/ByteWriter.h"
#include "encoding/mdlServices.h"

namespace brisklet {

int32_t clsDownload::prvImageNumber(int32_t crc) {
  auto env = mHost.NewProjectEnvironment();
  return mImageService->GetImageNumber(crc, env->GetProjectConnection());
}

Bytes clsDownload::prvCompileStaticPicture(Recordset& row) {
  int32_t id = row.Long("ID");
  int32_t crc = GetImageCrc(id, 0);
  int32_t number = prvImageNumber(crc);
  int32_t transparency = GetImageTransparency(id, 0);
  ByteWriter out;
  out.tag(row.Long("Type") == kTypePicture ? "PS" : "PM")                                      // tag
      .bytes(EncodeImageBlock(row.Long("Xs"), row.Long("Ys"), number, crc, transparency, -1, -1));  // picture
  return out.take();
}

}  // namespace brisklet
