// Storing a compiled unit.
#include "host/StoreDownloadUnit.h"

#include "database/Connection.h"

namespace brisklet {

void StoreDownloadUnit::SetUnitType(int16_t type) {
  mConn.Execute("INSERT OR REPLACE INTO DownloadUnits(UnitGuid, UnitType, Mode, Data) VALUES(?, ?, ?, ?)",
                {Value(mGuid), Value(int{type}), Value(mMode), Value(mData)});
  mConn.Execute("UPDATE DownloadDLUs SET IsCompiled=1 WHERE Guid=?", {Value(mGuid)});
  if (mStored) ++*mStored;
}

}  // namespace brisklet
