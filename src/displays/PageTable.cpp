// The page conversion table "PC": for every display in ascending Id order, its GUID.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "PC"
//   2+2k   2   GUID of the (k+1)-th display by Id, signed 16-bit
#include "component/RuntimeError.h"
#include "component/clsDownload.h"
#include "database/RecordsetAccess.h"
#include "elements/ElementKinds.h"
#include "encoding/ByteWriter.h"

namespace brisklet {

std::vector<std::unique_ptr<DownloadUnit>> clsDownload::GetConvertionPageNumToPointerTable() {
  ActiveHost active(mHost);
  ErrorScope scope("page table");
  auto max = GetRecordset("SELECT MAX(Id) AS MaxID FROM Pages", 0, 1);
  int32_t maxId = max->Long("MaxID");
  auto pages = GetRecordset("SELECT Id,GUID FROM Pages ORDER BY Id", 0, 1);
  std::vector<std::unique_ptr<DownloadUnit>> collection;
  ByteWriter out;
  out.tag("PC");
  std::vector<int16_t> entries;
  entries.reserve(static_cast<size_t>(std::max(0, maxId) + 1));
  for (; !pages->Eof(); pages->MoveNext()) {
    if (static_cast<int64_t>(entries.size()) > int64_t{maxId}) {
      throw RuntimeError("Subscript out of range", "more displays than the highest display Id " + Num(maxId) + " allows");
    }
    entries.push_back(pages->Field("Guid").ToInteger("GUID"));
  }
  for (int16_t guid : entries) out.i16(guid);  // entry k: the k-th display by Id
  auto unit = mHost.NewDownloadUnit();
  unit->SetMode(1);
  unit->SetUnitGuid(kPageTableGuid);
  unit->SetData(out.take(), 1);
  collection.push_back(std::move(unit));
  return collection;
}

}  // namespace brisklet
