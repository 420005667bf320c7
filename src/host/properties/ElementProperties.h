// Element property objects: the kind settings of an element, loaded from its Binary column.
// The blob is a UTF-8 JSON object whose keys are the getter names. A kind declares its
// getters once, with BRISKLET_PROPERTIES: the same line gives the loader its known key and
// type and the class its getter, so the loader rejects unknown keys and wrong types, a missing
// key reads as the getter's zero value, and a misspelt getter does not compile.
#pragma once
#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <vector>

#include "database/Value.h"

namespace brisklet {

// Nested: an object with getters of its own; NestedList: an array of such objects.
// LongLong: a whole number within 64 bits; LongArray: an array of numbers within 32 bits;
// ByteArray: an array of byte values 0 to 255.
enum class PropertyType { Long, LongLong, Boolean, String, Object, Array, LongArray, ByteArray, Nested, NestedList };

struct PropertyDecl {
  const char* name;
  PropertyType type;
  // The getters of a Nested or NestedList value's objects.
  std::span<const PropertyDecl> (*nested)() = nullptr;
};

class ElementProperties {
 public:
  virtual ~ElementProperties() = default;
  // NULL or empty blobs are an empty object. A broken blob is a RuntimeError naming the key
  // (with its path for a nested one: "GetCurves[2].GetCurveId").
  void LoadFromBinary(const Bytes& blob);
  // Loads an object already parsed (a nested value); `path` names it in errors.
  void LoadFromJson(const nlohmann::json& object, const std::string& path = {});

 protected:
  explicit ElementProperties(std::span<const PropertyDecl> decls) : mDecls(decls) {}
  int32_t GetLong(const char* name) const;
  int64_t GetLongLong(const char* name) const;
  std::vector<int32_t> GetLongArray(const char* name) const;
  Bytes GetByteArray(const char* name) const;
  int32_t GetBoolean(const char* name) const;  // -1 true, 0 false
  std::string GetString(const char* name) const;
  const nlohmann::json& GetObject(const char* name) const;  // {} when missing
  const nlohmann::json& GetArray(const char* name) const;   // [] when missing
  template <class T>
  T GetNested(const char* name, T*) const {
    T nested;
    nested.LoadFromJson(GetObject(name), name);
    return nested;
  }
  template <class T>
  std::vector<T> GetNestedList(const char* name, T*) const {
    std::vector<T> list;
    const nlohmann::json& items = GetArray(name);
    for (size_t i = 0; i < items.size(); ++i) {
      list.emplace_back().LoadFromJson(items[i], std::string(name) + "[" + std::to_string(i) + "]");
    }
    return list;
  }

 private:
  std::span<const PropertyDecl> mDecls;
  nlohmann::json mValues = nlohmann::json::object();
};

// Index k (from 1) of a collection getter (Image(k), ImageAt(k), ItemAt(k)) is element k - 1
// of its array; an index beyond the array answers an empty object, whose getters are all 0.
template <class T>
T Indexed(const std::vector<T>& collection, int64_t k) {
  return k >= 1 && static_cast<uint64_t>(k) <= collection.size() ? collection[static_cast<size_t>(k - 1)] : T();
}

}  // namespace brisklet

// Declares a kind's property class from a list macro of (type, getter name) pairs:
//   #define BUTTON_PROPERTIES(P) P(Boolean, IsSwitch)
//   BRISKLET_PROPERTIES(ButtonProperties, BUTTON_PROPERTIES)
// gives ButtonProperties with IsSwitch() and the loader's declaration of "IsSwitch". A nested
// object or list of objects names its own property class third:
//   P(Nested, GetUnitsSource, TextSourceProperties)   -> TextSourceProperties GetUnitsSource()
//   P(NestedList, GetCurves, CurveProperties)         -> std::vector<CurveProperties> GetCurves()
#define BRISKLET_PROPERTY_DECL(type, name, ...) \
  ::brisklet::PropertyDecl{#name, ::brisklet::PropertyType::type __VA_OPT__(, &__VA_ARGS__::Declarations)},
#define BRISKLET_PROPERTY_GETTER(type, name, ...) \
  decltype(auto) name() const { return Get##type(#name __VA_OPT__(, static_cast<__VA_ARGS__*>(nullptr))); }
#define BRISKLET_PROPERTIES(Class, LIST)                                                   \
  class Class : public ::brisklet::ElementProperties {                                     \
   public:                                                                                 \
    Class() : ElementProperties(Declarations()) {}                                         \
    static std::span<const ::brisklet::PropertyDecl> Declarations() {                      \
      static constexpr ::brisklet::PropertyDecl kDecls[] = {LIST(BRISKLET_PROPERTY_DECL)}; \
      return kDecls;                                                                       \
    }                                                                                      \
    LIST(BRISKLET_PROPERTY_GETTER)                                                         \
  };
