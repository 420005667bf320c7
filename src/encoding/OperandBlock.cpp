// The 8-byte operand block.
//
//  OFFSET SIZE  value-carrying types 34, 37      types 15, 35, 38             any other type
//   0      2    download type                    download type                download type
//   2      4    value, signed 32-bit             value, unsigned 32-bit       address (2) + zero (2)
//   6      2    address                          address                      zero
#include "base/ByteWriter.h"
#include "base/RuntimeError.h"
#include "encoding/OperandEncoding.h"
#include "host/HostFactory.h"
#include "host/OperandTable.h"

namespace brisklet {

Bytes EncodeOperand(int32_t oprndType, int32_t oprndAddr) {
  auto op = CurrentHost().NewDownloadOperand();
  op->SetOperandType(oprndType);
  op->SetOperandAddress(oprndAddr);
  op->PrepareDownloadForm();
  ByteWriter out;
  out.u16(Low16(op->OperandType()), "download type");
  switch (ValueKindOfDownloadType(op->OperandType())) {
    case OperandValueKind::Signed:
      out.i32(CheckedLong(op->OperandValue(), "operand value"), "value");
      out.u16(Low16(op->OperandAddress()), "address");
      break;
    case OperandValueKind::Unsigned:
      out.bytes(EncodeUnsigned32(op->OperandValue()), "value");
      out.u16(Low16(op->OperandAddress()), "address");
      break;
    case OperandValueKind::None:
      out.u16(Low16(op->OperandAddress()), "address");
      out.zeros(4, "reserved");
      break;
  }
  return out.take();
}

Bytes EncodeUnsigned32(int64_t value) {
  ByteWriter out;
  if (value < 0) {
    out.i32(CheckedLong(value, "unsigned value"));
    return out.take();
  }
  return out.u32(static_cast<uint32_t>(static_cast<uint64_t>(value) & 0xFFFFFFFFu)).take();
}

}  // namespace brisklet
