// The JSON property loader, its key-by-key check of nested objects, and the typed getters.
#include "host/properties/ElementProperties.h"

#include <limits>

#include "base/RuntimeError.h"
#include "host/properties/PlainJson.h"

namespace brisklet {
namespace {

const char* TypeName(PropertyType t) {
  switch (t) {
    case PropertyType::Long:
    case PropertyType::LongLong: return "a number";
    case PropertyType::Boolean: return "true or false";
    case PropertyType::String: return "a string";
    case PropertyType::Object: return "an object";
    case PropertyType::Array: return "an array";
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
    case PropertyType::Object: return v.is_object();
    case PropertyType::Array:
    case PropertyType::LongArray:
    case PropertyType::ByteArray: return v.is_array();
  }
  return false;
}

// A whole number within [low, high]; an unsigned number beyond 63 bits never fits.
bool Fits(const nlohmann::json& v, int64_t low, int64_t high) {
  if (v.is_number_unsigned()) return v.get<uint64_t>() <= static_cast<uint64_t>(high);
  return v.get<int64_t>() >= low && v.get<int64_t>() <= high;
}

void CheckWhole(const nlohmann::json& v, int64_t low, int64_t high, const std::string& path, const char* range) {
  if (!v.is_number_integer()) {
    throw RuntimeError("Invalid property data",
                       "property '" + path + "' is " + JsonTypeName(v) + ", expected a number");
  }
  if (!Fits(v, low, high))
    throw RuntimeError("Overflow", "property '" + path + "' is " + v.dump() + ", outside " + range);
}

const PropertyDecl* Find(std::span<const PropertyDecl> decls, std::string_view name) {
  for (const PropertyDecl& d : decls) {
    if (name == d.name) return &d;
  }
  return nullptr;
}

[[noreturn]] void Refuse(const std::string& key, const std::string& why) {
  throw RuntimeError("Invalid property data", "property '" + key + "' " + why);
}

void CheckObject(const nlohmann::json& object, std::span<const PropertyDecl> decls, const std::string& prefix);

// One value against its declaration. The key as the user wrote it ("GetRange[1].GetRangeCode")
// is prefix + key, spelt out only for a message or a nested object.
void CheckValue(const nlohmann::json& value, const PropertyDecl& decl, const std::string& prefix,
                const std::string& key) {
  auto path = [&] { return prefix + key; };
  if (!Matches(decl.type, value))
    Refuse(path(), "is " + std::string(JsonTypeName(value)) + ", expected " + TypeName(decl.type));
  // A whole number within [low, high], its path spelt out only when it is not.
  auto whole = [](const nlohmann::json& v, int64_t low, int64_t high, auto where, const char* range) {
    if (!v.is_number_integer() || !Fits(v, low, high)) CheckWhole(v, low, high, where(), range);
  };
  constexpr int64_t kLow32 = std::numeric_limits<int32_t>::min(), kHigh32 = std::numeric_limits<int32_t>::max();
  if (decl.type == PropertyType::Long) whole(value, kLow32, kHigh32, path, "32 bits");
  if (decl.type == PropertyType::LongLong) {
    whole(value, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max(), path, "64 bits");
  }
  if (decl.type == PropertyType::LongArray || decl.type == PropertyType::ByteArray) {
    bool bytes = decl.type == PropertyType::ByteArray;
    for (size_t i = 0; i < value.size(); ++i) {
      whole(value[i], bytes ? 0 : kLow32, bytes ? 255 : kHigh32, [&] { return path() + "[" + std::to_string(i) + "]"; },
            bytes ? "a byte (0 to 255)" : "32 bits");
    }
  }
  if (!decl.fields) return;
  if (decl.type == PropertyType::Object) return CheckObject(value, decl.fields(), path() + ".");
  for (size_t i = 0; i < value.size(); ++i) {
    std::string item = path() + "[" + std::to_string(i) + "]";
    if (!value[i].is_object()) Refuse(item, "is " + std::string(JsonTypeName(value[i])) + ", expected an object");
    CheckObject(value[i], decl.fields(), item + ".");
  }
}

void CheckObject(const nlohmann::json& object, std::span<const PropertyDecl> decls, const std::string& prefix) {
  for (const auto& [key, value] : object.get_ref<const nlohmann::json::object_t&>()) {
    const PropertyDecl* decl = Find(decls, key);
    if (!decl) Refuse(prefix + key, "is not known to this kind");
    CheckValue(value, *decl, prefix, key);
  }
}

}  // namespace

namespace {

// A blob handed on by its first reader (an element header reads one property of a button or
// entry field), taken by the next load of the same bytes: the kind's own properties.
struct HandedOn {
  Bytes blob;
  nlohmann::json parsed;
  bool held = false;
};
thread_local HandedOn tHandedOn;

}  // namespace

void ElementProperties::LoadFromBinary(const Bytes& blob) {
  mValues = nlohmann::json::object();
  if (blob.empty()) return;
  nlohmann::json parsed;
  if (tHandedOn.held && tHandedOn.blob == blob) {
    parsed = std::move(tHandedOn.parsed);
  } else {
    std::optional<nlohmann::json> plain = ReadPlainJsonObject(blob);
    parsed = plain ? std::move(*plain) : nlohmann::json::parse(blob.begin(), blob.end(), nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object()) {
      throw RuntimeError("Invalid property data", "Binary is not a JSON object");
    }
  }
  tHandedOn.held = false;
  CheckObject(parsed, mDecls, "");
  mValues = std::move(parsed);
}

void ElementProperties::HandOn(const Bytes& blob) {
  if (blob.empty()) return;
  tHandedOn.blob = blob;
  tHandedOn.parsed = std::move(mValues);
  tHandedOn.held = true;
  mValues = nlohmann::json::object();
}

int32_t PropertyView::Read(prop::Long, const char* name) const {
  auto it = mNode->find(name);
  return it == mNode->end() ? 0 : it->get<int32_t>();
}

int32_t PropertyView::Read(prop::Boolean, const char* name) const {
  auto it = mNode->find(name);
  return it != mNode->end() && it->get<bool>() ? -1 : 0;
}

std::string PropertyView::Read(prop::String, const char* name) const {
  auto it = mNode->find(name);
  return it == mNode->end() ? std::string() : it->get<std::string>();
}

int64_t PropertyView::Read(prop::LongLong, const char* name) const {
  auto it = mNode->find(name);
  return it == mNode->end() ? 0 : it->get<int64_t>();
}

std::vector<int32_t> PropertyView::Read(prop::LongArray, const char* name) const {
  auto it = mNode->find(name);
  return it == mNode->end() ? std::vector<int32_t>() : it->get<std::vector<int32_t>>();
}

Bytes PropertyView::Read(prop::ByteArray, const char* name) const {
  auto it = mNode->find(name);
  return it == mNode->end() ? Bytes() : it->get<Bytes>();
}

nlohmann::json& PropertyView::Child(const char* name, nlohmann::json empty) const {
  auto it = mNode->find(name);
  if (it != mNode->end()) return *it;
  return (*mNode)[name] = std::move(empty);
}

nlohmann::json& PropertyView::Item(const char* name, int32_t index) const {
  auto it = mNode->find(name);
  size_t count = it == mNode->end() ? 0 : it->size();
  if (index < 1 || static_cast<size_t>(index) > count) {
    Refuse(std::string(name) + "(" + std::to_string(index) + ")",
           "is asked for, but the array '" + std::string(name) + "' holds " + std::to_string(count) + " entries");
  }
  return (*it)[static_cast<size_t>(index) - 1];
}

}  // namespace brisklet
