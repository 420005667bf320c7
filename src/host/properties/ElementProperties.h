// Element property objects: the kind settings of an element, loaded from its Binary column.
// The blob is a UTF-8 JSON object whose keys are the getter names. A kind declares its
// getters once, with BRISKLET_PROPERTIES: the same line gives the loader its known key and
// type and the class its getter, so the loader rejects unknown keys and wrong types, a missing
// key reads as the getter's zero value, and a misspelt getter does not compile.
// A getter that returns an object (a units source, a text object) or an indexed collection
// (ranges) reads a nested object or an array of objects, declared the same way with
// BRISKLET_PROPERTY_OBJECT and checked key by key when the blob is loaded.
#pragma once
#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "database/Value.h"

namespace brisklet {

// LongLong: a whole number within 64 bits; LongArray: an array of numbers within 32 bits;
// ByteArray: an array of byte values 0 to 255.
enum class PropertyType { Long, LongLong, Boolean, String, Object, Array, LongArray, ByteArray };

struct PropertyDecl;
using PropertyFields = std::span<const PropertyDecl> (*)();

struct PropertyDecl {
  std::string_view name;
  PropertyType type;
  PropertyFields fields = nullptr;  // Object and Array: the getters of the object (of each item)
};

// The getter types of a declaration list: P(Long, GetFormatCode), P(ObjectOf<UnitsSource>,
// GetUnitsSource), P(ArrayOf<ValueRange>, GetRange).
namespace prop {
struct Long {
  static constexpr PropertyType kType = PropertyType::Long;
  static constexpr PropertyFields kFields = nullptr;
};
struct Boolean {
  static constexpr PropertyType kType = PropertyType::Boolean;
  static constexpr PropertyFields kFields = nullptr;
};
struct String {
  static constexpr PropertyType kType = PropertyType::String;
  static constexpr PropertyFields kFields = nullptr;
};
struct LongLong {
  static constexpr PropertyType kType = PropertyType::LongLong;
  static constexpr PropertyFields kFields = nullptr;
};
struct LongArray {
  static constexpr PropertyType kType = PropertyType::LongArray;
  static constexpr PropertyFields kFields = nullptr;
};
struct ByteArray {
  static constexpr PropertyType kType = PropertyType::ByteArray;
  static constexpr PropertyFields kFields = nullptr;
};
// A nested object read through the getters of View.
template <class View>
struct ObjectOf {
  static constexpr PropertyType kType = PropertyType::Object;
  static constexpr PropertyFields kFields = &View::Declarations;
};
// An indexed getter, Getter(k) for k from 1: element k-1 of an array of View objects.
template <class View>
struct ArrayOf {
  static constexpr PropertyType kType = PropertyType::Array;
  static constexpr PropertyFields kFields = &View::Declarations;
};
// A collection getter: every View object of an array, in collection order.
template <class View>
struct ListOf {
  static constexpr PropertyType kType = PropertyType::Array;
  static constexpr PropertyFields kFields = &View::Declarations;
};
}  // namespace prop

// A JSON object read through typed getters. Nested objects are views into the same JSON, so
// what one view sets another view of the same object sees, as with the host's object references.
class PropertyView {
 public:
  explicit PropertyView(nlohmann::json& node) : mNode(&node) {}

 protected:
  int32_t Read(prop::Long, const char* name) const;
  int32_t Read(prop::Boolean, const char* name) const;  // -1 true, 0 false
  std::string Read(prop::String, const char* name) const;
  int64_t Read(prop::LongLong, const char* name) const;
  std::vector<int32_t> Read(prop::LongArray, const char* name) const;
  Bytes Read(prop::ByteArray, const char* name) const;
  template <class View>
  View Read(prop::ObjectOf<View>, const char* name) const {
    return View(Child(name));
  }
  template <class View>
  View Read(prop::ArrayOf<View>, const char* name, int32_t index) const {
    return View(Item(name, index));
  }
  template <class View>
  std::vector<View> Read(prop::ListOf<View>, const char* name) const {
    std::vector<View> views;
    nlohmann::json& items = Child(name, nlohmann::json::array());
    for (nlohmann::json& item : items) views.emplace_back(item);
    return views;
  }
  void Write(const char* name, nlohmann::json value) { (*mNode)[name] = std::move(value); }

 private:
  // The member of that name, made (empty) when missing.
  nlohmann::json& Child(const char* name, nlohmann::json empty = nlohmann::json::object()) const;
  nlohmann::json& Item(const char* name, int32_t index) const;  // a RuntimeError when missing
  nlohmann::json* mNode;
};

// Index k (from 1) of a collection getter's list (Image(k), ImageAt(k), ItemAt(k)) is element
// k - 1; an index beyond the list answers an empty object, whose getters are all 0.
template <class View>
View Indexed(const std::vector<View>& list, int64_t k) {
  static nlohmann::json none = nlohmann::json::object();  // read only
  return k >= 1 && static_cast<uint64_t>(k) <= list.size() ? list[static_cast<size_t>(k - 1)] : View(none);
}

class ElementProperties : public PropertyView {
 public:
  virtual ~ElementProperties() = default;
  ElementProperties(const ElementProperties&) = delete;
  ElementProperties& operator=(const ElementProperties&) = delete;
  // NULL or empty blobs are an empty object. A broken blob is a RuntimeError naming the key.
  void LoadFromBinary(const Bytes& blob);
  // Hands what was loaded from that blob on to the next load of the same blob, which then
  // checks it against its own kind instead of parsing it again; this object is left empty.
  // Only for a reader that has read plain values (an object getter adds what it finds missing).
  void HandOn(const Bytes& blob);

 protected:
  explicit ElementProperties(std::span<const PropertyDecl> decls) : PropertyView(mValues), mDecls(decls) {}

 private:
  std::span<const PropertyDecl> mDecls;
  nlohmann::json mValues = nlohmann::json::object();
};

}  // namespace brisklet

// Declares a kind's property class from a list macro of (type, getter name) pairs:
//   #define BUTTON_PROPERTIES(P) P(Boolean, IsSwitch)
//   BRISKLET_PROPERTIES(ButtonProperties, BUTTON_PROPERTIES)
// gives ButtonProperties with IsSwitch() and the loader's declaration of "IsSwitch".
#define BRISKLET_PROPERTY_DECL(type, name) \
  ::brisklet::PropertyDecl{#name, ::brisklet::prop::type::kType, ::brisklet::prop::type::kFields},
#define BRISKLET_PROPERTY_GETTER(type, name) \
  auto name(auto... index) const { return Read(::brisklet::prop::type{}, #name, index...); }
#define BRISKLET_PROPERTY_DECLARATIONS(...)                             \
  static std::span<const ::brisklet::PropertyDecl> Declarations() {     \
    static constexpr ::brisklet::PropertyDecl kDecls[] = {__VA_ARGS__}; \
    return kDecls;                                                      \
  }
#define BRISKLET_PROPERTIES(Class, LIST)                                                  \
  class Class : public ::brisklet::ElementProperties {                                    \
   public:                                                                                \
    Class() : ElementProperties(Declarations()) {}                                        \
    BRISKLET_PROPERTY_DECLARATIONS(LIST(BRISKLET_PROPERTY_DECL))                          \
    LIST(BRISKLET_PROPERTY_GETTER)                                                        \
                                                                                          \
   protected:                                                                             \
    explicit Class(std::span<const ::brisklet::PropertyDecl> d) : ElementProperties(d) {} \
  };
// A kind whose getters are those of Base (declared by BASE_LIST) and more: the compilers of
// Base read it as a Base.
#define BRISKLET_PROPERTIES_EXTENDING(Class, Base, BASE_LIST, LIST)                                \
  class Class : public Base {                                                                      \
   public:                                                                                         \
    Class() : Base(Declarations()) {}                                                              \
    BRISKLET_PROPERTY_DECLARATIONS(BASE_LIST(BRISKLET_PROPERTY_DECL) LIST(BRISKLET_PROPERTY_DECL)) \
    LIST(BRISKLET_PROPERTY_GETTER)                                                                 \
  };
// A nested object of a property blob (what a getter of type ObjectOf<Class> or
// ArrayOf<Class> returns).
#define BRISKLET_PROPERTY_OBJECT(Class, LIST)                      \
  class Class : public ::brisklet::PropertyView {                  \
   public:                                                         \
    explicit Class(::nlohmann::json& node) : PropertyView(node) {} \
    BRISKLET_PROPERTY_DECLARATIONS(LIST(BRISKLET_PROPERTY_DECL))   \
    LIST(BRISKLET_PROPERTY_GETTER)                                 \
  };
