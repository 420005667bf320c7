// Full field names from their parts' names.
#include "decoding/FieldNames.h"

namespace brisklet::field {

std::string KindPart(std::string_view tag) { return "\"" + std::string(tag) + "\""; }

std::string Name(std::initializer_list<std::string_view> words) {
  std::string name;
  for (std::string_view word : words) {
    if (!name.empty()) name += ' ';
    name += word;
  }
  return name;
}

std::string Prefix(std::initializer_list<std::string_view> words) { return Name(words) + " "; }

std::string Counted(std::string_view word, size_t count) { return std::string(word) + " " + std::to_string(count); }

}  // namespace brisklet::field
