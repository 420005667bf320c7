// The page conversion table "PC": for every display in ascending Id order, its GUID.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "PC"
//   2+2k   2   GUID of the (k+1)-th display by Id, signed 16-bit
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "displays/DisplayCompiler.h"
#include "displays/Queries.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

std::vector<std::unique_ptr<DownloadUnit>> DisplayCompiler::GetConvertionPageNumToPointerTable() {
  ActiveHost active(mHost);
  ErrorScope scope("page table");
  auto max = GetRecordset(kSqlHighestDisplayId, 0, 1);
  if (max->Field("MaxID").IsNull()) ThrowInvalidNull("MaxID", "the project has no displays");
  // The table has room for entries 0 to MaxID; only as many as there are displays are used,
  // so nothing is set aside for it (an Id near 2^31 would otherwise ask for gigabytes).
  int64_t room = int64_t{max->Long("MaxID")} + 1;
  auto pages = GetRecordset(kSqlDisplayGuids, 0, 1);
  ByteWriter out;
  out.tag("PC");
  for (int64_t k = 0; !pages->Eof(); pages->MoveNext(), ++k) {
    if (k >= room) {
      throw RuntimeError("Subscript out of range",
                         "more displays than the highest display Id " + Num(room - 1) + " allows");
    }
    out.i16(pages->Field("Guid").ToInteger("GUID"), "page");
  }
  std::vector<std::unique_ptr<DownloadUnit>> collection;
  collection.push_back(prvNewUnit(kPageTableGuid, out.take()));
  return collection;
}

}  // namespace brisklet
