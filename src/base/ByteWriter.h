// The little-endian record builder: one call per field, in offset order.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Bytes.h"

namespace brisklet {

class ByteWriter {
 public:
  // Room for a whole record from the start: one allocation instead of one per doubling.
  static constexpr size_t kStartCapacity = 128;
  ByteWriter() { mBytes.reserve(kStartCapacity); }
  explicit ByteWriter(Bytes start) : mBytes(std::move(start)) { mBytes.reserve(kStartCapacity); }

  ByteWriter& tag(std::string_view letters);
  ByteWriter& u8(uint8_t v);
  ByteWriter& u16(uint16_t v);
  ByteWriter& i16(int16_t v) { return u16(static_cast<uint16_t>(v)); }
  ByteWriter& u32(uint32_t v);
  ByteWriter& i32(int32_t v) { return u32(static_cast<uint32_t>(v)); }
  ByteWriter& bytes(const Bytes& b);
  ByteWriter& zeros(size_t n);

  // Overwrites bytes already written (an offset known only later, a table entry).
  void patchU16(size_t offset, uint16_t v);
  void patchU8(size_t offset, uint8_t v);
  void patchBytes(size_t offset, const Bytes& b);
  size_t size() const { return mBytes.size(); }
  const Bytes& view() const { return mBytes; }
  Bytes take() { return std::move(mBytes); }

 private:
  Bytes mBytes;
};

// Conversions of the record fields.
// One unsigned byte with the range check ("Overflow" outside 0..255); `what` names the field.
uint8_t CByte(int64_t v, const char* what = "value");
// The low byte of a value, without a check.
inline uint8_t LowByte(int64_t v) { return static_cast<uint8_t>(static_cast<uint64_t>(v) & 0xFF); }
// The two low bytes of a 32-bit value, without a check.
inline uint16_t Low16(int64_t v) { return static_cast<uint16_t>(static_cast<uint64_t>(v) & 0xFFFF); }
// A signed 16-bit value with the range check ("Overflow" outside -32768..32767).
int16_t CheckedInteger(int64_t v, const char* what = "value");
// 32-bit signed arithmetic that raises "Overflow" instead of wrapping.
int32_t CheckedAdd(int64_t a, int64_t b);
int32_t CheckedMul(int64_t a, int64_t b);
int32_t CheckedLong(int64_t v, const char* what = "value");
// A real number rounded to the nearest whole number, halves to even ("Overflow" outside 32 bits).
int32_t RoundedLong(double v, const char* what = "value");
// The same rounding without the 32-bit range (halves to even).
int64_t RoundHalfEven(double v);

// Lowercase hex pairs separated by single spaces ("56 54 01").
std::string ToHex(const Bytes& b);

}  // namespace brisklet
