// The little-endian record builder: one call per field, in offset order, each with the label
// of the field it writes. The labels cost nothing unless a write trace is attached to the
// thread (base/WriteTrace.h), which then records every write's offset, size and label.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/Bytes.h"
#include "base/WriteTrace.h"

namespace brisklet {

class ByteWriter {
 public:
  // Room for a whole record from the start: one allocation instead of one per doubling.
  static constexpr size_t kStartCapacity = 128;
  ByteWriter() { mBytes.reserve(kStartCapacity); }
  // A writer that goes on from bytes already written (a label block, a list).
  explicit ByteWriter(Bytes start) : mBytes(std::move(start)) {
    mBytes.reserve(kStartCapacity);
    if (mTrace) [[unlikely]]
      Append(0, mBytes, nullptr);
  }

  // A tag at the start of a writer opens the part its later writes are named under.
  ByteWriter& tag(std::string_view letters, const char* label = "tag");
  ByteWriter& u8(uint8_t v, const char* label = nullptr);
  ByteWriter& u16(uint16_t v, const char* label = nullptr);
  ByteWriter& i16(int16_t v, const char* label = nullptr) { return u16(static_cast<uint16_t>(v), label); }
  ByteWriter& u32(uint32_t v, const char* label = nullptr);
  ByteWriter& i32(int32_t v, const char* label = nullptr) { return u32(static_cast<uint32_t>(v), label); }
  // Bytes of another writer bring its traced writes along, named under `label`.
  ByteWriter& bytes(const Bytes& b, const char* label = nullptr);
  ByteWriter& zeros(size_t n, const char* label = nullptr);

  // Overwrites bytes already written (an offset known only later, a table entry).
  void patchU16(size_t offset, uint16_t v);
  void patchU8(size_t offset, uint8_t v);
  void patchBytes(size_t offset, const Bytes& b);
  size_t size() const { return mBytes.size(); }
  const Bytes& view() const { return mBytes; }
  Bytes take() {
    if (mTrace) [[unlikely]]
      Finish();
    return std::move(mBytes);
  }

 private:
  void Note(size_t offset, size_t size, const char* label);
  void Append(size_t offset, const Bytes& b, const char* label);
  void Finish();
  std::string Named(std::string_view label) const;

  Bytes mBytes;
  WriteTrace* mTrace = WriteTrace::Attached();
  std::unique_ptr<WriteTrace::Written> mWritten;  // made by the first traced write
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
