// The translation of the project's operand type codes into the controller's download form.
#pragma once
#include <cstdint>
#include <span>

namespace brisklet {

enum class OperandValueKind {
  None,      // an addressed operand: the download carries its address
  Signed,    // a constant: the value is the stored number as a signed 32-bit number
  Unsigned,  // a constant: the value is the stored number taken as unsigned 32 bits
};

struct OperandRow {
  int32_t projectType;   // code stored in ...OprndType columns
  const char* name;      // what the operand is
  int32_t downloadType;  // the controller's type code
  OperandValueKind value;
};

// One row per known project code. An unknown code passes through unchanged.
std::span<const OperandRow> OperandTable();
const OperandRow* FindOperandRow(int32_t projectType);
// What the operand block carries for a download type code: the address (None, also for an
// unknown code) or a signed or unsigned constant value.
OperandValueKind ValueKindOfDownloadType(int32_t downloadType);

}  // namespace brisklet
