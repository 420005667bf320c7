// Meanings of positions, operands, texts and codes.
#include "decoding/FieldMeanings.h"

#include <cstdio>

#include "base/CodePage.h"
#include "host/OperandTable.h"

namespace brisklet {
namespace {

uint32_t Little(std::span<const uint8_t> b) {
  uint32_t v = 0;
  for (size_t i = b.size(); i-- > 0;) v = v << 8 | b[i];
  return v;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string ByteEscape(uint8_t b) {
  char text[8];
  std::snprintf(text, sizeof text, "\\x%02x", b);
  return text;
}

// The operand row of a download type code: "MI memory integer" splits into "MI" and the rest.
const OperandRow* RowOfDownloadType(uint32_t type) {
  for (const OperandRow& row : OperandTable()) {
    if (static_cast<uint32_t>(row.downloadType) == type) return &row;
  }
  return nullptr;
}

}  // namespace

std::string PositionMeaning(int32_t offset, int32_t screenWidth) {
  if (screenWidth <= 0) return "";
  int64_t y = offset / screenWidth;
  int64_t x = offset % screenWidth;
  if (x < 0) x += screenWidth, --y;
  return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::string OperandMeaning(std::span<const uint8_t, 8> block) {
  uint32_t type = Little(block.subspan(0, 2));
  const OperandRow* row = RowOfDownloadType(type);
  switch (ValueKindOfDownloadType(static_cast<int32_t>(type))) {
    case OperandValueKind::Signed:
      return std::string(row->name) + " " + std::to_string(static_cast<int32_t>(Little(block.subspan(2, 4))));
    case OperandValueKind::Unsigned: return std::string(row->name) + " " + std::to_string(Little(block.subspan(2, 4)));
    case OperandValueKind::None: break;
  }
  uint32_t address = Little(block.subspan(2, 2));
  if (type == 0) return address == 0 || address == 0xFFFF ? "none" : "none (address " + std::to_string(address) + ")";
  if (!row) return "type " + std::to_string(type) + " address " + std::to_string(address);
  std::string name = row->name;
  size_t blank = name.find(' ');
  return name.substr(0, blank) + " " + std::to_string(address) + " (" + name.substr(blank + 1) + ")";
}

std::string CodePageText(std::span<const uint8_t> bytes, int32_t codePage) {
  std::string out;
  for (uint8_t b : bytes) {
    std::optional<char32_t> c = CodePageCharacter(b, codePage);
    if (c && *c >= 0x20) {
      AppendUtf8(out, *c);
    } else {
      out += ByteEscape(b);
    }
  }
  return out;
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      out += ByteEscape(static_cast<uint8_t>(c));
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string HexOf(std::span<const uint8_t> bytes) {
  static const char* kDigits = "0123456789abcdef";
  std::string out;
  for (uint8_t b : bytes) {
    if (!out.empty()) out += ' ';
    out += kDigits[b >> 4];
    out += kDigits[b & 0xF];
  }
  return out;
}

std::string TouchKindMeaning(uint32_t kind) {
  static const char* kKinds[] = {
      "not touchable",     // 0
      "touch",             // 1
      "entry",             // 2
      "picker entry",      // 3
      "",                  // 4
      "trend",             // 5
      "switch",            // 6
      "text field entry",  // 7
      "touch colours",     // 8
      "trend scale",       // 9
      "button set",        // 10
  };
  return kind < std::size(kKinds) ? kKinds[kind] : "";
}

std::string BackgroundMeaning(uint32_t mode) {
  static const char* kModes[] = {"own colour", "transparent", "graph", "fixed"};
  return mode < std::size(kModes) ? kModes[mode] : "";
}

std::string TextModeMeaning(uint32_t mode) {
  static const char* kModes[] = {"no text", "own text", "text table", "text operand"};
  return mode < std::size(kModes) ? kModes[mode] : "";
}

std::string AlignmentMeaning(uint32_t code) {
  static const char* kRows[] = {"top", "middle", "bottom"};
  static const char* kColumns[] = {"left", "centre", "right"};
  uint32_t row = code >> 4, column = code & 0xF;
  if (row > 2 || column > 2) return "";
  return std::string(kRows[row]) + " " + kColumns[column];
}

}  // namespace brisklet
