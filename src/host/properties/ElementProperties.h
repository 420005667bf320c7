// Element property objects: the kind settings of an element, loaded from its Binary column.
// The blob is a UTF-8 JSON object whose keys are the getter names; each kind's class
// declares its getters once (name and type), so the loader rejects unknown keys and wrong
// types, and a missing key reads as the getter's zero value.
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

// VarType 1 (picture button) and 2 (text button): buttons that may work as a switch.
class ButtonProperties : public ElementProperties {
 public:
  ButtonProperties();
  int32_t IsSwitch() const { return GetBoolean("IsSwitch"); }
};

// VarType 6 (entry field): its entry mode picks the keypad-like grid.
class EntryFieldProperties : public ElementProperties {
 public:
  EntryFieldProperties();
  int32_t EntryMode() const { return GetLong("EntryMode"); }
};

}  // namespace brisklet
