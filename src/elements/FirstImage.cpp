// The CRC of an element's first image.
#include "elements/FirstImage.h"

#include "database/Recordset.h"
#include "elements/Queries.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

int32_t FirstImageCrc(int32_t elementId) {
  auto rs = GetRecordset(kSqlFirstImage + std::string("?") + kSqlFirstImageEnd, {elementId}, 0, 3);
  int32_t crc = rs->Eof() ? -1 : rs->Long("Image_CRC");
  rs->Close();
  return crc;
}

}  // namespace brisklet
