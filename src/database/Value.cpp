// Checked conversions of field values.
#include "database/Value.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "base/ByteWriter.h"
#include "base/RuntimeError.h"

namespace brisklet {
namespace {

std::string Label(std::string_view name) {
  if (name.empty()) return "value";
  std::string label(1, '\'');
  label.append(name).push_back('\'');
  return label;
}

// Numbers written as text are accepted the way a variant conversion would take them.
bool ParseNumber(const std::string& s, double& out) {
  size_t b = s.find_first_not_of(" \t");
  size_t e = s.find_last_not_of(" \t");
  if (b == std::string::npos) return false;
  const char* first = s.data() + b;
  const char* last = s.data() + e + 1;
  auto r = std::from_chars(first, last, out);
  return r.ec == std::errc() && r.ptr == last;
}

int64_t ToWhole(const std::variant<std::monostate, int64_t, double, std::string, Bytes>& data, std::string_view name) {
  if (std::holds_alternative<std::monostate>(data)) ThrowInvalidNull(std::string(name));
  if (auto i = std::get_if<int64_t>(&data)) return *i;
  double d = 0;
  if (auto f = std::get_if<double>(&data)) {
    d = *f;
  } else if (auto s = std::get_if<std::string>(&data)) {
    if (!ParseNumber(*s, d)) {
      throw RuntimeError("Type mismatch", Label(name) + " is the text \"" + *s + "\", expected a number");
    }
  } else {
    throw RuntimeError("Type mismatch", Label(name) + " is a byte array, expected a number");
  }
  if (!(d > -9.3e18 && d < 9.3e18)) ThrowOverflow(Label(name) + " is out of range");
  return RoundHalfEven(d);
}

template <typename T>
T Narrow(int64_t v, std::string_view name, const char* range) {
  if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) {
    ThrowOverflow(Label(name) + " is " + std::to_string(v) + ", expected " + range);
  }
  return static_cast<T>(v);
}

}  // namespace

bool Value::IsNumber() const { return std::holds_alternative<int64_t>(mData) || std::holds_alternative<double>(mData); }

int32_t Value::ToLong(std::string_view name) const {
  return Narrow<int32_t>(ToWhole(mData, name), name, "a 32-bit number");
}

int16_t Value::ToInteger(std::string_view name) const {
  return Narrow<int16_t>(ToWhole(mData, name), name, "-32768 to 32767");
}

uint8_t Value::ToByte(std::string_view name) const { return Narrow<uint8_t>(ToWhole(mData, name), name, "0 to 255"); }

double Value::ToDouble(std::string_view name) const {
  if (auto f = std::get_if<double>(&mData)) return *f;
  return static_cast<double>(ToWhole(mData, name));
}

std::string Value::ToString(std::string_view name) const {
  if (IsNull()) ThrowInvalidNull(std::string(name));
  if (auto s = std::get_if<std::string>(&mData)) return *s;
  if (auto b = std::get_if<Bytes>(&mData)) return std::string(b->begin(), b->end());
  return SqlText();
}

Bytes Value::ToBytes(std::string_view name) const {
  if (IsNull()) return {};
  if (auto b = std::get_if<Bytes>(&mData)) return *b;
  if (auto s = std::get_if<std::string>(&mData)) return Bytes(s->begin(), s->end());
  throw RuntimeError("Type mismatch", Label(name) + " is a number, expected a byte array");
}

std::string Value::SqlText() const {
  if (IsNull()) return "Null";
  if (auto i = std::get_if<int64_t>(&mData)) return std::to_string(*i);
  if (auto f = std::get_if<double>(&mData)) {
    if (std::floor(*f) == *f && std::fabs(*f) < 9e15) return std::to_string(static_cast<int64_t>(*f));
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, *f);
    return std::string(buf, r.ptr);
  }
  if (auto s = std::get_if<std::string>(&mData)) return *s;
  return std::string();
}

}  // namespace brisklet
