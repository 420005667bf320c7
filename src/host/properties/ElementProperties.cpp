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
    case PropertyType::Object: return "an object";
    case PropertyType::Array: return "an array";
  }
  return "?";
}

const char* JsonTypeName(const nlohmann::json& v) {
  if (v.is_boolean()) return "a boolean";
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
    case PropertyType::Object: return v.is_object();
    case PropertyType::Array: return v.is_array();
  }
  return false;
}

}  // namespace

void ElementProperties::LoadFromBinary(const Bytes& blob) {
  mValues = nlohmann::json::object();
  if (blob.empty()) return;
  nlohmann::json parsed = nlohmann::json::parse(blob.begin(), blob.end(), nullptr, false);
  if (parsed.is_discarded() || !parsed.is_object()) {
    throw RuntimeError("Invalid property data", "Binary is not a JSON object");
  }
  for (auto& [key, value] : parsed.items()) {
    const PropertyDecl* decl = Find(key);
    if (!decl) throw RuntimeError("Invalid property data", "property '" + key + "' is not known to this kind");
    if (!Matches(decl->type, value)) {
      throw RuntimeError("Invalid property data",
                         "property '" + key + "' is " + JsonTypeName(value) + ", expected " + TypeName(decl->type));
    }
    if (decl->type == PropertyType::Long) {
      auto n = value.get<int64_t>();
      if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max()) {
        throw RuntimeError("Overflow", "property '" + key + "' is " + std::to_string(n) + ", outside 32 bits");
      }
    }
  }
  mValues = std::move(parsed);
}

const PropertyDecl* ElementProperties::Find(const std::string& name) const {
  for (const PropertyDecl& d : mDecls) {
    if (name == d.name) return &d;
  }
  return nullptr;
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
