// The JSON property loader and the typed getters.
#include "host/properties/ElementProperties.h"

#include <limits>

#include "base/RuntimeError.h"

namespace brisklet {
namespace {

const char* TypeName(PropertyType t) {
  switch (t) {
    case PropertyType::Long: return "a number";
    case PropertyType::Boolean: return "true or false";
    case PropertyType::String: return "a string";
    case PropertyType::Object:
    case PropertyType::Nested: return "an object";
    case PropertyType::Array:
    case PropertyType::NestedList: return "an array";
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
    case PropertyType::Long: return v.is_number_integer();
    case PropertyType::Boolean: return v.is_boolean();
    case PropertyType::String: return v.is_string();
    case PropertyType::Object:
    case PropertyType::Nested: return v.is_object();
    case PropertyType::Array:
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

// One value against its declaration; `key` is its full path.
void CheckValue(const nlohmann::json& value, const PropertyDecl& decl, const std::string& key) {
  if (!Matches(decl.type, value)) {
    throw RuntimeError("Invalid property data",
                       "property '" + key + "' is " + JsonTypeName(value) + ", expected " + TypeName(decl.type));
  }
  if (decl.type == PropertyType::Long) {
    bool fits = value.is_number_unsigned() ? value.get<uint64_t>() <= std::numeric_limits<int32_t>::max()
                                           : value.get<int64_t>() >= std::numeric_limits<int32_t>::min() &&
                                                 value.get<int64_t>() <= std::numeric_limits<int32_t>::max();
    if (!fits) throw RuntimeError("Overflow", "property '" + key + "' is " + value.dump() + ", outside 32 bits");
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
