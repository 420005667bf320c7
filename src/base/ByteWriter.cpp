// Little-endian writing and checked field conversions.
#include "base/ByteWriter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/RuntimeError.h"

namespace brisklet {

ByteWriter& ByteWriter::tag(std::string_view letters, const char* label) {
  if (mTrace && mBytes.empty()) [[unlikely]] {
    if (!mWritten) mWritten = std::make_unique<WriteTrace::Written>();
    mWritten->part = "\"" + std::string(letters) + "\"";
  }
  if (mTrace) [[unlikely]]
    Note(mBytes.size(), letters.size(), label);
  for (char c : letters) mBytes.push_back(static_cast<uint8_t>(c));
  return *this;
}

ByteWriter& ByteWriter::u8(uint8_t v, const char* label) {
  if (mTrace) [[unlikely]]
    Note(mBytes.size(), 1, label);
  mBytes.push_back(v);
  return *this;
}

ByteWriter& ByteWriter::u16(uint16_t v, const char* label) {
  if (mTrace) [[unlikely]]
    Note(mBytes.size(), 2, label);
  mBytes.push_back(static_cast<uint8_t>(v & 0xFF));
  mBytes.push_back(static_cast<uint8_t>(v >> 8));
  return *this;
}

ByteWriter& ByteWriter::u32(uint32_t v, const char* label) {
  if (mTrace) [[unlikely]]
    Note(mBytes.size(), 4, label);
  for (int i = 0; i < 4; ++i) mBytes.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
  return *this;
}

ByteWriter& ByteWriter::bytes(const Bytes& b, const char* label) {
  if (mTrace) [[unlikely]]
    Append(mBytes.size(), b, label);
  mBytes.insert(mBytes.end(), b.begin(), b.end());
  return *this;
}

ByteWriter& ByteWriter::zeros(size_t n, const char* label) {
  if (mTrace) [[unlikely]]
    Note(mBytes.size(), n, label);
  mBytes.insert(mBytes.end(), n, 0);
  return *this;
}

std::string ByteWriter::Named(std::string_view label) const {
  std::string part = mWritten ? mWritten->part : "";
  if (part.empty() || label.empty()) return part + std::string(label);
  return part + " " + std::string(label);
}

void ByteWriter::Note(size_t offset, size_t size, const char* label) {
  if (size == 0) return;
  if (!mWritten) mWritten = std::make_unique<WriteTrace::Written>();
  mWritten->writes.push_back({offset, size, Named(label ? label : "")});
}

void ByteWriter::Append(size_t offset, const Bytes& b, const char* label) {
  // Bytes of no traced writer, or of one with unlabelled writes, are one write here.
  const WriteTrace::Written* from = b.empty() ? nullptr : mTrace->Find(b);
  auto unlabelled = [&] {
    return std::any_of(from->writes.begin(), from->writes.end(), [](const TracedWrite& w) { return w.name.empty(); });
  };
  if (!from || from->writes.empty() || unlabelled()) {
    Note(offset, b.size(), label);
    return;
  }
  if (!mWritten) mWritten = std::make_unique<WriteTrace::Written>();
  if (!from->part.empty()) {
    // Bytes that begin with a tag are a part of their own; at the start, the writer's too.
    if (offset == 0 && mWritten->part.empty()) mWritten->part = from->part;
    for (const TracedWrite& w : from->writes) mWritten->writes.push_back({offset + w.offset, w.size, w.name});
    return;
  }
  std::string under = Named(label ? label : "");
  for (const TracedWrite& w : from->writes) {
    mWritten->writes.push_back({offset + w.offset, w.size, under.empty() ? w.name : under + " " + w.name});
  }
}

void ByteWriter::Finish() {
  WriteTrace::Written done = mWritten ? std::move(*mWritten) : WriteTrace::Written{};
  mWritten.reset();
  done.bytes = mBytes;
  mTrace->Add(std::move(done));
}

void ByteWriter::patchU16(size_t offset, uint16_t v) {
  mBytes.at(offset) = static_cast<uint8_t>(v & 0xFF);
  mBytes.at(offset + 1) = static_cast<uint8_t>(v >> 8);
}

void ByteWriter::patchU8(size_t offset, uint8_t v) { mBytes.at(offset) = v; }

void ByteWriter::patchBytes(size_t offset, const Bytes& b) {
  for (size_t i = 0; i < b.size(); ++i) mBytes.at(offset + i) = b[i];
}

uint8_t CByte(int64_t v, const char* what) {
  if (v < 0 || v > 255) ThrowOverflow(std::string(what) + " is " + std::to_string(v) + ", expected 0 to 255");
  return static_cast<uint8_t>(v);
}

int16_t CheckedInteger(int64_t v, const char* what) {
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()) {
    ThrowOverflow(std::string(what) + " is " + std::to_string(v) + ", outside 16 bits");
  }
  return static_cast<int16_t>(v);
}

int32_t CheckedLong(int64_t v, const char* what) {
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) {
    ThrowOverflow(std::string(what) + " is " + std::to_string(v) + ", outside 32 bits");
  }
  return static_cast<int32_t>(v);
}

int64_t RoundHalfEven(double v) {
  return static_cast<int64_t>(std::nearbyint(v));  // the default rounding mode: to nearest, ties to even
}

int32_t RoundedLong(double v, const char* what) {
  if (!(v >= -2147483648.5 && v < 2147483647.5)) ThrowOverflow(std::string(what) + " is out of range");
  return static_cast<int32_t>(RoundHalfEven(v));
}

int32_t CheckedAdd(int64_t a, int64_t b) { return CheckedLong(a + b, "sum"); }

int32_t CheckedMul(int64_t a, int64_t b) {
  __int128 p = static_cast<__int128>(a) * b;
  if (p < std::numeric_limits<int32_t>::min() || p > std::numeric_limits<int32_t>::max()) {
    ThrowOverflow("product " + std::to_string(a) + " x " + std::to_string(b) + " is outside 32 bits");
  }
  return static_cast<int32_t>(p);
}

std::string ToHex(const Bytes& b) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  out.reserve(b.size() * 3);
  for (size_t i = 0; i < b.size(); ++i) {
    if (i) out += ' ';
    out += digits[b[i] >> 4];
    out += digits[b[i] & 15];
  }
  return out;
}

}  // namespace brisklet
