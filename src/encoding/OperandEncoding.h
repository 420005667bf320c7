// The 8-byte operand block and the unsigned 32-bit value field.
#pragma once
#include <cstdint>

#include "base/Bytes.h"

namespace brisklet {

Bytes EncodeOperand(int32_t oprndType, int32_t oprndAddr);
Bytes EncodeUnsigned32(int64_t value);

}  // namespace brisklet
