// Default download unit: element and display units go to the DownloadUnits table when their
// unit type is set (the last call of their sequence); a unit replaces any earlier unit of its
// GUID and marks the item's DownloadDLUs row compiled. A unit whose type is never set (the
// page table) is not stored: it stays in the hands of whoever asked for it.
#pragma once
#include "host/DownloadUnit.h"

namespace brisklet {

class Connection;

class StoreDownloadUnit : public DownloadUnit {
 public:
  // stored: counts the units this store has written (may be null).
  StoreDownloadUnit(Connection& conn, int64_t* stored) : mConn(conn), mStored(stored) {}
  void SetUnitGuid(int32_t guid) override { mGuid = guid; }
  void SetData(const Bytes& record, int32_t) override { mData = record; }
  void SetMode(int32_t mode) override { mMode = mode; }
  void SetUnitType(int16_t type) override;
  int32_t UnitGuid() const override { return mGuid; }
  const Bytes& Data() const override { return mData; }

 private:
  Connection& mConn;
  int64_t* mStored;
  int32_t mGuid = 0;
  int32_t mMode = 0;
  Bytes mData;
};

}  // namespace brisklet
