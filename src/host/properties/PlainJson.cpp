// The quick reader: one pass, no token buffer; gives up on anything it does not know.
#include "host/properties/PlainJson.h"

#include <string>

namespace brisklet {
namespace {

class PlainReader {
 public:
  explicit PlainReader(std::span<const uint8_t> text) : mAt(text.data()), mEnd(text.data() + text.size()) {}

  std::optional<nlohmann::json> Document() {
    nlohmann::json object;
    SkipSpace();
    if (!Object(object, 0)) return std::nullopt;
    SkipSpace();
    if (mAt != mEnd) return std::nullopt;
    return object;
  }

 private:
  static constexpr int kDeepest = 32;

  void SkipSpace() {
    while (mAt != mEnd && (*mAt == ' ' || *mAt == '\n' || *mAt == '\r' || *mAt == '\t')) ++mAt;
  }
  bool Take(char c) {
    SkipSpace();
    if (mAt == mEnd || *mAt != c) return false;
    ++mAt;
    return true;
  }

  // A string of printable ASCII without escapes.
  bool String(std::string& out) {
    if (!Take('"')) return false;
    const uint8_t* start = mAt;
    while (mAt != mEnd && *mAt != '"') {
      if (*mAt < 0x20 || *mAt > 0x7E || *mAt == '\\') return false;
      ++mAt;
    }
    if (mAt == mEnd) return false;
    out.assign(reinterpret_cast<const char*>(start), static_cast<size_t>(mAt - start));
    ++mAt;
    return true;
  }

  // A whole number of at most 18 digits: unsigned when not negative, as nlohmann keeps it.
  bool Number(nlohmann::json& out) {
    bool negative = mAt != mEnd && *mAt == '-';
    if (negative) ++mAt;
    const uint8_t* start = mAt;
    int64_t value = 0;
    for (; mAt != mEnd && *mAt >= '0' && *mAt <= '9'; ++mAt) {
      if (mAt - start == 18) return false;  // more digits than 63 bits surely hold
      value = value * 10 + (*mAt - '0');
    }
    size_t digits = static_cast<size_t>(mAt - start);
    if (digits == 0 || (digits > 1 && *start == '0')) return false;
    if (mAt != mEnd && (*mAt == '.' || *mAt == 'e' || *mAt == 'E')) return false;
    if (negative) {
      out = -value;
    } else {
      out = static_cast<uint64_t>(value);
    }
    return true;
  }

  bool Word(const char* word) {
    for (; *word; ++word, ++mAt) {
      if (mAt == mEnd || *mAt != static_cast<uint8_t>(*word)) return false;
    }
    return true;
  }

  bool Value(nlohmann::json& out, int depth) {
    SkipSpace();
    if (mAt == mEnd) return false;
    switch (*mAt) {
      case '{': return Object(out, depth + 1);
      case '[': return Array(out, depth + 1);
      case '"': {
        std::string s;
        if (!String(s)) return false;
        out = std::move(s);
        return true;
      }
      case 't': out = true; return Word("true");
      case 'f': out = false; return Word("false");
      case 'n': out = nullptr; return Word("null");
      default: return Number(out);
    }
  }

  bool Object(nlohmann::json& out, int depth) {
    if (depth > kDeepest || !Take('{')) return false;
    out = nlohmann::json::object();
    auto& members = out.get_ref<nlohmann::json::object_t&>();
    if (Take('}')) return true;
    do {
      std::string key;
      if (!String(key) || !Take(':')) return false;
      auto [slot, fresh] = members.emplace(std::move(key), nullptr);
      if (!fresh || !Value(slot->second, depth)) return false;  // a repeated key: nlohmann's rule
    } while (Take(','));
    return Take('}');
  }

  bool Array(nlohmann::json& out, int depth) {
    if (depth > kDeepest || !Take('[')) return false;
    out = nlohmann::json::array();
    auto& items = out.get_ref<nlohmann::json::array_t&>();
    if (Take(']')) return true;
    do {
      if (!Value(items.emplace_back(), depth)) return false;
    } while (Take(','));
    return Take(']');
  }

  const uint8_t* mAt;
  const uint8_t* mEnd;
};

}  // namespace

std::optional<nlohmann::json> ReadPlainJsonObject(std::span<const uint8_t> text) {
  return PlainReader(text).Document();
}

bool IdenticalJson(const nlohmann::json& a, const nlohmann::json& b) {
  if (a.type() != b.type() || a.size() != b.size()) return false;
  if (a.is_object()) {
    for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
      if (i.key() != j.key() || !IdenticalJson(*i, *j)) return false;
    }
    return true;
  }
  if (a.is_array()) {
    for (size_t i = 0; i < a.size(); ++i) {
      if (!IdenticalJson(a[i], b[i])) return false;
    }
    return true;
  }
  return a == b;
}

}  // namespace brisklet
