// Default operand translator driven by the operand table.
#pragma once
#include "host/DownloadOperand.h"

namespace brisklet {

class TableDownloadOperand : public DownloadOperand {
 public:
  void SetOperandType(int32_t type) override { mType = type; }
  int32_t OperandType() const override { return mType; }
  void SetOperandAddress(int32_t address) override { mAddress = address; }
  int32_t OperandAddress() const override { return mAddress; }
  int64_t OperandValue() const override { return mValue; }
  int PrepareDownloadForm() override;

 private:
  int32_t mType = 0;
  int32_t mAddress = 0;
  int64_t mValue = 0;
};

}  // namespace brisklet
