// The JSON property loader and the typed getters.
#include "host/properties/ElementProperties.h"

#include <limits>

#include "base/RuntimeError.h"

namespace brisklet {
namespace {

const char* TypeName(PropertyType t) {
  switch (t) {
    case PropertyType::Long:
    case PropertyType::LongLong: return "a number";
    case PropertyType::Boolean: return "true or false";
    case PropertyType::String: return "a string";
    case PropertyType::Object:
    case PropertyType::Nested: return "an object";
    case PropertyType::Array:
    case PropertyType::NestedList: return "an array";
    case PropertyType::LongArray: return "an array of numbers";
    case PropertyType::ByteArray: return "an array of bytes";
  }
  return "?";
}

const char* JsonTypeName(const nlohmann::json& v) {
  if (v.is_boolean()) return "a boolean";
  if (v.is_number_float()) return "a fractional number";
  if (v.is_number()) return "a number";
  if (v.is_string()) return "a string";
  if (v.is_object()) return "an object";
  if (v.is_array()) return "an array";
  return "null";
}

bool Matches(PropertyType t, const nlohmann::json& v) {
  switch (t) {
    case PropertyType::Long:
    case PropertyType::LongLong: return v.is_number_integer();
    case PropertyType::Boolean: return v.is_boolean();
    case PropertyType::String: return v.is_string();
    case PropertyType::Object:
    case PropertyType::Nested: return v.is_object();
    case PropertyType::Array:
    case PropertyType::LongArray:
    case PropertyType::ByteArray:
    case PropertyType::NestedList: return v.is_array();
  }
  return false;
}

const PropertyDecl* Find(std::span<const PropertyDecl> decls, const std::string& name) {
  for (const PropertyDecl& d : decls) {
    if (name == d.name) return &d;
  }
  return nullptr;
}

void CheckObject(const nlohmann::json& object, std::span<const PropertyDecl> decls, const std::string& path);

// A whole number within [low, high]; "Overflow" for a whole number outside, naming `key`.
void CheckWhole(const nlohmann::json& value, int64_t low, int64_t high, const std::string& key, const char* range) {
  if (!value.is_number_integer()) {
    throw RuntimeError("Invalid property data",
                       "property '" + key + "' is " + JsonTypeName(value) + ", expected a number");
  }
  bool fits = value.is_number_unsigned() ? value.get<uint64_t>() <= static_cast<uint64_t>(high)
                                         : value.get<int64_t>() >= low && value.get<int64_t>() <= high;
  if (!fits) throw RuntimeError("Overflow", "property '" + key + "' is " + value.dump() + ", outside " + range);
}

// Every element of an array of whole numbers, named `key[i]` in errors.
void CheckWholeArray(const nlohmann::json& value, int64_t low, int64_t high, const std::string& key,
                     const char* range) {
  for (size_t i = 0; i < value.size(); ++i) CheckWhole(value[i], low, high, key + "[" + std::to_string(i) + "]", range);
}

// One value against its declaration; `key` is its full path.
void CheckValue(const nlohmann::json& value, const PropertyDecl& decl, const std::string& key) {
  if (!Matches(decl.type, value)) {
    throw RuntimeError("Invalid property data",
                       "property '" + key + "' is " + JsonTypeName(value) + ", expected " + TypeName(decl.type));
  }
  constexpr int64_t kLow32 = std::numeric_limits<int32_t>::min(), kHigh32 = std::numeric_limits<int32_t>::max();
  if (decl.type == PropertyType::Long) {
    CheckWhole(value, kLow32, kHigh32, key, "32 bits");
  } else if (decl.type == PropertyType::LongLong) {
    CheckWhole(value, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max(), key, "64 bits");
  } else if (decl.type == PropertyType::LongArray) {
    CheckWholeArray(value, kLow32, kHigh32, key, "32 bits");
  } else if (decl.type == PropertyType::ByteArray) {
    CheckWholeArray(value, 0, 255, key, "a byte (0 to 255)");
  } else if (decl.type == PropertyType::Nested) {
    CheckObject(value, decl.nested(), key + ".");
  } else if (decl.type == PropertyType::NestedList) {
    for (size_t i = 0; i < value.size(); ++i) {
      std::string item = key + "[" + std::to_string(i) + "]";
      if (!value[i].is_object()) {
        throw RuntimeError("Invalid property data",
                           "property '" + item + "' is " + JsonTypeName(value[i]) + ", expected an object");
      }
      CheckObject(value[i], decl.nested(), item + ".");
    }
  }
}

// Every key of an object against the getters declared for it; `path` prefixes the keys.
void CheckObject(const nlohmann::json& object, std::span<const PropertyDecl> decls, const std::string& path) {
  for (auto& [key, value] : object.items()) {
    const PropertyDecl* decl = Find(decls, key);
    if (!decl) throw RuntimeError("Invalid property data", "property '" + path + key + "' is not known to this kind");
    CheckValue(value, *decl, path + key);
  }
}

}  // namespace

void ElementProperties::LoadFromBinary(const Bytes& blob) {
  mValues = nlohmann::json::object();
  if (blob.empty()) return;
  nlohmann::json parsed = nlohmann::json::parse(blob.begin(), blob.end(), nullptr, false);
  if (parsed.is_discarded() || !parsed.is_object()) {
    throw RuntimeError("Invalid property data", "Binary is not a JSON object");
  }
  CheckObject(parsed, mDecls, {});
  mValues = std::move(parsed);
}

void ElementProperties::LoadFromJson(const nlohmann::json& object, const std::string& path) {
  CheckObject(object, mDecls, path.empty() ? path : path + ".");
  mValues = object;
}

int32_t ElementProperties::GetLong(const char* name) const {
  auto it = mValues.find(name);
  return it == mValues.end() ? 0 : it->get<int32_t>();
}

int64_t ElementProperties::GetLongLong(const char* name) const {
  auto it = mValues.find(name);
  return it == mValues.end() ? 0 : it->get<int64_t>();
}

std::vector<int32_t> ElementProperties::GetLongArray(const char* name) const {
  return GetArray(name).get<std::vector<int32_t>>();
}

Bytes ElementProperties::GetByteArray(const char* name) const { return GetArray(name).get<Bytes>(); }

int32_t ElementProperties::GetBoolean(const char* name) const {
  auto it = mValues.find(name);
  return it != mValues.end() && it->get<bool>() ? -1 : 0;
}

std::string ElementProperties::GetString(const char* name) const {
  auto it = mValues.find(name);
  return it == mValues.end() ? std::string() : it->get<std::string>();
}

const nlohmann::json& ElementProperties::GetObject(const char* name) const {
  static const nlohmann::json kEmpty = nlohmann::json::object();
  auto it = mValues.find(name);
  return it == mValues.end() ? kEmpty : *it;
}

const nlohmann::json& ElementProperties::GetArray(const char* name) const {
  static const nlohmann::json kEmpty = nlohmann::json::array();
  auto it = mValues.find(name);
  return it == mValues.end() ? kEmpty : *it;
}

}  // namespace brisklet
