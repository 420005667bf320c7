// The spelling of values in the text form and their reading back.
#include "textproject/TextValues.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>

namespace brisklet {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string FloatText(double d) {
  if (std::isnan(d)) return "nan";
  if (std::isinf(d)) return d > 0 ? "inf" : "-inf";
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, d);
  std::string text(buffer, end);
  if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
  return text;
}

bool Representable(const nlohmann::json& j) {
  switch (j.type()) {
    case nlohmann::json::value_t::object:
      for (const auto& [key, value] : j.items()) {
        if (!Representable(value)) return false;
      }
      return true;
    case nlohmann::json::value_t::array:
      for (const auto& value : j) {
        if (!Representable(value)) return false;
      }
      return true;
    case nlohmann::json::value_t::number_unsigned:
      return j.get<uint64_t>() <= static_cast<uint64_t>(INT64_MAX);
    case nlohmann::json::value_t::string:
    case nlohmann::json::value_t::boolean:
    case nlohmann::json::value_t::number_integer: return true;
    default: return false;
  }
}

std::string InlineJson(const nlohmann::json& j) {
  switch (j.type()) {
    case nlohmann::json::value_t::object: {
      if (j.empty()) return "{}";
      std::string out = "{ ";
      bool first = true;
      for (const auto& [key, value] : j.items()) {
        out += (first ? "" : ", ") + TomlKey(key) + " = " + InlineJson(value);
        first = false;
      }
      return out + " }";
    }
    case nlohmann::json::value_t::array: {
      std::string out = "[";
      for (size_t i = 0; i < j.size(); ++i) out += (i ? ", " : "") + InlineJson(j[i]);
      return out + "]";
    }
    case nlohmann::json::value_t::string: return TomlString(j.get<std::string>());
    case nlohmann::json::value_t::boolean: return j.get<bool>() ? "true" : "false";
    default: return j.dump();
  }
}

// A fraction as a column holds it; the database keeps no nan (it stores Null in its place).
ReadValue Fraction(double d) {
  if (std::isnan(d)) return {std::nullopt, "nan is not a value a column holds (write { null = true })"};
  return {Value(d), {}};
}

bool HoldsObjects(const nlohmann::json& array) {
  for (const auto& value : array) {
    if (value.is_object() || value.is_array()) return true;
  }
  return false;
}

}  // namespace

std::string Base64(std::string_view bytes) {
  std::string out;
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    uint32_t n = (uint8_t(bytes[i]) << 16) | (uint8_t(bytes[i + 1]) << 8) | uint8_t(bytes[i + 2]);
    for (int s = 18; s >= 0; s -= 6) out += kAlphabet[(n >> s) & 63];
  }
  if (i + 1 == bytes.size()) {
    uint32_t n = uint8_t(bytes[i]) << 16;
    out += std::string{kAlphabet[n >> 18], kAlphabet[(n >> 12) & 63], '=', '='};
  } else if (i + 2 == bytes.size()) {
    uint32_t n = (uint8_t(bytes[i]) << 16) | (uint8_t(bytes[i + 1]) << 8);
    out += std::string{kAlphabet[n >> 18], kAlphabet[(n >> 12) & 63], kAlphabet[(n >> 6) & 63], '='};
  }
  return out;
}

std::optional<std::string> FromBase64(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  std::string out;
  uint32_t n = 0;
  int bits = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '=') {
      if (i + 2 < text.size()) return std::nullopt;
      continue;
    }
    const char* at = std::char_traits<char>::find(kAlphabet, 64, c);
    if (at == nullptr) return std::nullopt;
    n = (n << 6) | static_cast<uint32_t>(at - kAlphabet);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out += static_cast<char>((n >> bits) & 0xff);
    }
  }
  return out;
}

bool IsUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    auto c = static_cast<uint8_t>(text[i]);
    size_t more = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 9;
    if (more == 9 || (more == 1 && c < 0xc2) || i + more >= text.size() + (more ? 0 : 1)) return false;
    uint32_t code = more == 0 ? c : c & (0x3f >> more);
    for (size_t k = 1; k <= more; ++k) {
      auto d = static_cast<uint8_t>(text[i + k]);
      if ((d >> 6) != 2) return false;
      code = (code << 6) | (d & 0x3f);
    }
    if ((more == 2 && (code < 0x800 || (code >= 0xd800 && code <= 0xdfff))) ||
        (more == 3 && (code < 0x10000 || code > 0x10ffff))) {
      return false;
    }
    i += more + 1;
  }
  return true;
}

std::string TomlKey(std::string_view key) {
  bool bare = !key.empty();
  for (char c : key) {
    bare = bare && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-');
  }
  return bare ? std::string(key) : TomlString(key);
}

std::string TomlString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default:
        if (static_cast<uint8_t>(c) < 0x20 || c == 0x7f) {
          char code[8];
          std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(static_cast<uint8_t>(c)));
          out += code;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string TomlValue(const Value& value, std::string_view columnType) {
  if (value.IsNull()) return "{ null = true }";
  if (const int64_t* n = value.IntegerPtr()) return std::to_string(*n);
  if (const std::string* s = value.TextPtr()) {
    if (!IsUtf8(*s)) return "{ text-bytes = \"" + Base64(*s) + "\" }";
    return columnType == "INTEGER" ? "{ text = " + TomlString(*s) + " }" : TomlString(*s);
  }
  if (const Bytes* b = value.BytesPtr()) {
    return "{ blob = \"" + Base64(std::string_view(reinterpret_cast<const char*>(b->data()), b->size())) + "\" }";
  }
  if (columnType == "INTEGER") return "{ real = " + FloatText(value.ToDouble()) + " }";
  return FloatText(value.ToDouble());
}

std::optional<nlohmann::json> PropertiesOf(const Value& blob) {
  std::string text;
  if (const std::string* s = blob.TextPtr()) text = *s;
  else return std::nullopt;
  auto j = nlohmann::json::parse(text, nullptr, false);
  if (j.is_discarded() || !j.is_object() || !Representable(j)) return std::nullopt;
  return j;
}

void WriteProperties(std::string& out, const std::string& prefix, const nlohmann::json& object) {
  for (const auto& [key, value] : object.items()) {
    std::string path = prefix + "." + TomlKey(key);
    if (value.is_object() && !value.empty()) {
      WriteProperties(out, path, value);
    } else if (value.is_array() && HoldsObjects(value)) {
      out += path + " = [\n";
      for (const auto& entry : value) out += "  " + InlineJson(entry) + ",\n";
      out += "]\n";
    } else {
      out += path + " = " + InlineJson(value) + "\n";
    }
  }
}

ReadValue ValueOfNode(const toml::node& node) {
  if (auto n = node.as_integer()) return {Value(static_cast<int64_t>(n->get())), {}};
  if (auto s = node.as_string()) return {Value(s->get()), {}};
  if (auto f = node.as_floating_point()) return Fraction(f->get());
  if (auto t = node.as_table(); t && t->size() == 1) {
    if (auto null = t->get_as<bool>("null"); null && null->get()) return {Value(), {}};
    if (auto text = t->get_as<std::string>("text")) return {Value(text->get()), {}};
    if (auto real = t->get_as<double>("real")) return Fraction(real->get());
    for (const char* form : {"blob", "text-bytes"}) {
      if (auto b = t->get_as<std::string>(form)) {
        auto bytes = FromBase64(b->get());
        if (!bytes) return {std::nullopt, std::string(form) + " is not base64"};
        if (form[0] == 'b') return {Value(Bytes(bytes->begin(), bytes->end())), {}};
        return {Value(*bytes), {}};
      }
    }
  }
  return {std::nullopt, "expected a number, a string or { null = true }, { blob = \"...\" }"};
}

std::string ColumnValueError(const std::string& column, const std::string& type, const Value& value, bool typedForm) {
  const char* is = value.IsNull() ? "null" : value.IntegerPtr() ? "a whole number" : value.IsText() ? "a string"
                   : value.IsBytes() ? "a blob" : "a fraction";
  if (!typedForm && type == "INTEGER" && !value.IntegerPtr()) return column + " is " + is + ", expected a whole number";
  // A text column stores a number as its text, so a number there (even in the typed form) would
  // not come back as itself.
  if ((!typedForm || value.IsNumber()) && type == "TEXT" && !value.IsText()) {
    return column + " is " + is + ", expected a string";
  }
  if (const int64_t* n = value.IntegerPtr(); n && type == "INTEGER" && (*n < INT32_MIN || *n > UINT32_MAX)) {
    return column + " = " + std::to_string(*n) + " is out of range (a 32-bit number)";
  }
  return "";
}

std::optional<nlohmann::json> JsonOfNode(const toml::node& node, std::string& error, std::string& where) {
  if (auto t = node.as_table()) {
    nlohmann::json object = nlohmann::json::object();
    for (const auto& [key, value] : *t) {
      auto j = JsonOfNode(value, error, where);
      if (!j) {
        where = std::string(key.str()) + (where.empty() ? "" : "." + where);
        return std::nullopt;
      }
      object[std::string(key.str())] = std::move(*j);
    }
    return object;
  }
  if (auto a = node.as_array()) {
    nlohmann::json array = nlohmann::json::array();
    for (size_t i = 0; i < a->size(); ++i) {
      auto j = JsonOfNode(*a->get(i), error, where);
      if (!j) {
        where = "[" + std::to_string(i) + "]" + (where.empty() ? "" : "." + where);
        return std::nullopt;
      }
      array.push_back(std::move(*j));
    }
    return array;
  }
  if (auto n = node.as_integer()) return nlohmann::json(static_cast<int64_t>(n->get()));
  if (auto b = node.as_boolean()) return nlohmann::json(b->get());
  if (auto s = node.as_string()) return nlohmann::json(s->get());
  error = "a property takes a whole number, true or false, a string, a table or an array";
  return std::nullopt;
}

}  // namespace brisklet
