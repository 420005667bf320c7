// Translates a project operand (type code, address) into the controller's download form.
#pragma once
#include <cstdint>

namespace brisklet {

class DownloadOperand {
 public:
  virtual ~DownloadOperand() = default;
  virtual void SetOperandType(int32_t type) = 0;
  virtual int32_t OperandType() const = 0;
  virtual void SetOperandAddress(int32_t address) = 0;
  virtual int32_t OperandAddress() const = 0;
  // The whole-number value of the value-carrying types (a fixed-point currency upstream).
  virtual int64_t OperandValue() const = 0;
  virtual int PrepareDownloadForm() = 0;

 protected:
  DownloadOperand() = default;
};

}  // namespace brisklet
