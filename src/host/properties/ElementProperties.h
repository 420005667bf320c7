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

#include "database/Value.h"

namespace brisklet {

enum class PropertyType { Long, Boolean, String, Object, Array };

struct PropertyDecl {
  const char* name;
  PropertyType type;
};

class ElementProperties {
 public:
  virtual ~ElementProperties() = default;
  // NULL or empty blobs are an empty object. A broken blob is a RuntimeError naming the key.
  void LoadFromBinary(const Bytes& blob);

 protected:
  explicit ElementProperties(std::span<const PropertyDecl> decls) : mDecls(decls) {}
  int32_t GetLong(const char* name) const;
  int32_t GetBoolean(const char* name) const;  // -1 true, 0 false
  std::string GetString(const char* name) const;
  const nlohmann::json& GetObject(const char* name) const;  // {} when missing
  const nlohmann::json& GetArray(const char* name) const;   // [] when missing

 private:
  const PropertyDecl* Find(const std::string& name) const;
  std::span<const PropertyDecl> mDecls;
  nlohmann::json mValues = nlohmann::json::object();
};

}  // namespace brisklet

// Declares a kind's property class from a list macro of (type, getter name) pairs:
//   #define BUTTON_PROPERTIES(P) P(Boolean, IsSwitch)
//   BRISKLET_PROPERTIES(ButtonProperties, BUTTON_PROPERTIES)
// gives ButtonProperties with IsSwitch() and the loader's declaration of "IsSwitch".
#define BRISKLET_PROPERTY_DECL(type, name) ::brisklet::PropertyDecl{#name, ::brisklet::PropertyType::type},
#define BRISKLET_PROPERTY_GETTER(type, name) \
  decltype(auto) name() const { return Get##type(#name); }
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
