// A download record read back into named fields: where each field lies, what it holds and
// what that stands for, and what the reader found wrong on the way.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brisklet {

// What a field holds, for the readers that show it further (diff): a palette colour, the
// GUID of an element, the layout's own bookkeeping (counts and offsets that follow the rest).
enum class FieldKind : uint8_t { Plain, Colour, ElementGuid, Layout };

struct DecodedField {
  size_t offset = 0;
  size_t size = 0;
  std::string name;     // unique within the record: "\"VT\" normal width", "\"LL\" item 2 text"
  std::string value;    // as stored: a number, a tag, a quoted text, hex
  std::string meaning;  // what the value stands for ("(12, 40)", "MI 12", "font 1 ..."), or ""
  FieldKind kind = FieldKind::Plain;
  // A field of a list entry (an element GUID of a display, a jump, a list's item or picture):
  // the list ("\"PT\" element list"), the entry's place in it from 1, the field's name within
  // the entry ("target display"; "" for an entry of one field), and whether it tells what the
  // entry is (its text, its target).
  std::string list;
  uint32_t entry = 0;
  std::string member;
  bool key = false;

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
