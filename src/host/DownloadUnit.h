// One compiled record on its way to the host's download store.
#pragma once
#include <cstdint>

#include "database/Value.h"

namespace brisklet {

class DownloadUnit {
 public:
  virtual ~DownloadUnit() = default;
  virtual void SetUnitGuid(int32_t guid) = 0;
  virtual void SetData(const Bytes& record, int32_t flag) = 0;
  virtual void SetMode(int32_t mode) = 0;
  virtual void SetUnitType(int16_t type) = 0;
  // What the unit holds (the page table's unit stays in the host's hands).
  virtual int32_t UnitGuid() const = 0;
  virtual const Bytes& Data() const = 0;

 protected:
  DownloadUnit() = default;
};

}  // namespace brisklet
