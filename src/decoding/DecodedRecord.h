// A download record read back into named fields: where each field lies, what it holds and
// what that stands for, and what the reader found wrong on the way.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brisklet {

struct DecodedField {
  size_t offset = 0;
  size_t size = 0;
  std::string name;     // unique within the record: "\"VT\" normal width", "\"LL\" item 2 text"
  std::string value;    // as stored: a number, a tag, a quoted text, hex
  std::string meaning;  // what the value stands for ("(12, 40)", "MI 12", "font 1 ..."), or ""

  // The meaning when there is one, else the value.
  const std::string& Shown() const { return meaning.empty() ? value : meaning; }
};

struct DecodedRecord {
  std::vector<DecodedField> fields;
  // Bytes that could not be read as their layout says (past the end, left over, a reserved
  // byte that is not zero, a distance that does not lead to its text ...), in record order.
  std::vector<std::string> problems;

  bool Complete() const { return problems.empty(); }
  // The field of that name, or null.
  const DecodedField* Find(std::string_view name) const;
};

}  // namespace brisklet
