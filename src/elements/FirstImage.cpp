// The CRC of an element's first image.
#include "elements/FirstImage.h"

#include "database/Recordset.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

int32_t FirstImageCrc(int32_t elementId) {
  auto rs =
      GetRecordset("SELECT * FROM ElementsAndImages Where Element_ID=" + Num(elementId) + " And Image_Index=1", 0, 3);
  int32_t crc = rs->Eof() ? -1 : rs->Long("Image_CRC");
  rs->Close();
  return crc;
}

}  // namespace brisklet
