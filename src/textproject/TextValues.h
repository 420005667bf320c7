// Values in the text form: how a column's value and a property blob are spelled in TOML, and
// read back from toml++ nodes.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>
#include <toml++/toml.h>

#include "database/Value.h"

namespace brisklet {

std::string Base64(std::string_view bytes);
std::optional<std::string> FromBase64(std::string_view text);
bool IsUtf8(std::string_view text);

// A key as TOML spells it: bare when it can be, else quoted.
std::string TomlKey(std::string_view key);
// A string as a TOML basic string, on one line.
std::string TomlString(std::string_view text);
// A column value: a number, a string, or `{ null = true }`, `{ blob = "..." }`,
// `{ text-bytes = "..." }` for what TOML has no literal of. A whole-number column that holds a
// text or a fraction (as SQLite lets it) says so: `{ text = "..." }`, `{ real = 2.5 }`.
std::string TomlValue(const Value& value, std::string_view columnType = {});

// A property blob as its JSON object, when the text form can write it as TOML (an object whose
// values hold no null, no fraction and no number beyond 64 signed bits).
std::optional<nlohmann::json> PropertiesOf(const Value& blob);
// Lines `prefix.key = value` for each property, one per line (objects as dotted keys, arrays
// of objects one entry a line).
void WriteProperties(std::string& out, const std::string& prefix, const nlohmann::json& object);

// Reading back. The error text says what is wrong; the caller adds the file and line.
struct ReadValue {
  std::optional<Value> value;
  std::string error;
};
ReadValue ValueOfNode(const toml::node& node);
// What is wrong with a value read for a column of that declared type ("" when nothing): a value
// of another type (unless given in a typed form, `typedForm`), a whole number beyond 32 bits.
std::string ColumnValueError(const std::string& column, const std::string& type, const Value& value, bool typedForm);
// A properties table as JSON (error text when it holds a type JSON blobs do not have).
std::optional<nlohmann::json> JsonOfNode(const toml::node& node, std::string& error, std::string& where);

}  // namespace brisklet
