// A field value as the recordsets hand it out: Null, a number, a text or a byte array,
// with the checked conversions the compilers use (CLng, CInt, CByte, CStr).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/Bytes.h"

namespace brisklet {

class Value {
 public:
  Value() = default;  // Null
  Value(int64_t v) : mData(v) {}
  Value(int v) : mData(int64_t{v}) {}
  Value(double v) : mData(v) {}
  Value(std::string v) : mData(std::move(v)) {}
  Value(const char* v) : mData(std::string(v)) {}
  Value(Bytes v) : mData(std::move(v)) {}

  bool IsNull() const { return std::holds_alternative<std::monostate>(mData); }
  bool IsNumber() const;
  bool IsText() const { return std::holds_alternative<std::string>(mData); }
  bool IsBytes() const { return std::holds_alternative<Bytes>(mData); }

  // Checked conversions; `name` says which field, for the error text.
  int32_t ToLong(std::string_view name = {}) const;     // "Overflow" outside 32 bits
  int16_t ToInteger(std::string_view name = {}) const;  // "Overflow" outside 16 bits
  uint8_t ToByte(std::string_view name = {}) const;     // "Overflow" outside 0..255
  double ToDouble(std::string_view name = {}) const;
  std::string ToString(std::string_view name = {}) const;
  Bytes ToBytes(std::string_view name = {}) const;  // Null gives an empty array

  // The integer, text or byte array held, without a copy (null when it holds something else).
  const int64_t* IntegerPtr() const { return std::get_if<int64_t>(&mData); }
  const std::string* TextPtr() const { return std::get_if<std::string>(&mData); }
  const Bytes* BytesPtr() const { return std::get_if<Bytes>(&mData); }

  // Text as the SQL builder appends it (decimal for numbers).
  std::string SqlText() const;
  bool operator==(const Value& other) const { return mData == other.mData; }

 private:
  std::variant<std::monostate, int64_t, double, std::string, Bytes> mData;
};

}  // namespace brisklet
