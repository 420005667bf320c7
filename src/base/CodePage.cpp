// Code-page conversions through iconv.
#include "base/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>

#include "base/RuntimeError.h"

namespace brisklet {
namespace {

std::string IconvName(int32_t codePage) { return "CP" + std::to_string(codePage); }

// An iconv descriptor that closes itself.
class Converter {
 public:
  Converter(const std::string& to, const std::string& from, int32_t codePage)
      : mCd(iconv_open(to.c_str(), from.c_str())) {
    if (mCd == reinterpret_cast<iconv_t>(-1)) {
      throw RuntimeError("Invalid code page", "code page " + std::to_string(codePage) + " is not supported");
    }
  }
  ~Converter() { iconv_close(mCd); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `in`; false when a character cannot be converted (errno says why).
  bool Convert(const std::string& in, std::string& out) {
    iconv(mCd, nullptr, nullptr, nullptr, nullptr);
    out.assign(in.size() * 4 + 8, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    bool ok = iconv(mCd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1) &&
              iconv(mCd, nullptr, nullptr, &dst, &dstLeft) != static_cast<size_t>(-1);
    out.resize(out.size() - dstLeft);
    return ok;
  }

 private:
  iconv_t mCd;
};

// One converter per direction and code page, opened on first use and kept for the thread:
// opening a converter costs far more than converting a label.
Converter& CachedConverter(const std::string& to, const std::string& from, int32_t codePage) {
  thread_local std::map<std::pair<std::string, std::string>, std::unique_ptr<Converter>> converters;
  std::unique_ptr<Converter>& slot = converters[{to, from}];
  if (!slot) slot = std::make_unique<Converter>(to, from, codePage);
  return *slot;
}

// The single-byte Windows code pages, which all hold ASCII unchanged in their lower half.
bool KeepsAscii(int32_t codePage) { return codePage == 874 || (codePage >= 1250 && codePage <= 1258); }

std::string Describe(const std::string& character) {
  uint32_t cp = 0;
  unsigned char lead = static_cast<unsigned char>(character[0]);
  size_t len = character.size();
  cp = len == 1 ? lead : (lead & (0x7F >> len));
  for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(character[k]) & 0x3F);
  char hex[16];
  std::snprintf(hex, sizeof hex, "U+%04X", cp);
  return "'" + character + "' (" + hex + ")";
}

// The length of the UTF-8 sequence that starts at `i`, 0 when none starts there.
size_t SequenceLength(const std::string& s, size_t i) {
  auto byte = [&](size_t k) { return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u; };
  unsigned char lead = byte(i);
  size_t length = lead < 0x80                    ? 1
                  : lead >= 0xC2 && lead <= 0xDF ? 2
                  : lead >= 0xE0 && lead <= 0xEF ? 3
                  : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                 : 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  if (length == 3 && ((lead == 0xE0 && byte(i + 1) < 0xA0) || (lead == 0xED && byte(i + 1) >= 0xA0))) return 0;
  if (length == 4 && ((lead == 0xF0 && byte(i + 1) < 0x90) || (lead == 0xF4 && byte(i + 1) >= 0x90))) return 0;
  return length;
}

// A control character a download text must not hold (line breaks are CR and LF).
bool IsForbiddenControl(const std::string& s, size_t i, size_t length) {
  auto c = static_cast<unsigned char>(s[i]);
  if (length == 1) return (c < 0x20 && c != '\r' && c != '\n') || c == 0x7F;
  return length == 2 && c == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0;  // U+0080 to U+009F
}

// Texts are valid UTF-8 without control characters (a NUL would end the text on the panel).
void CheckText(const std::string& utf8) {
  size_t character = 1;
  for (size_t i = 0; i < utf8.size(); ++character) {
    size_t length = SequenceLength(utf8, i);
    if (length == 0) {
      throw RuntimeError("Invalid text", "character " + std::to_string(character) + " of \"" + utf8 +
                                             "\" is not valid UTF-8 (byte " + std::to_string(i + 1) + ")");
    }
    if (IsForbiddenControl(utf8, i, length)) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X",
                    length == 1 ? static_cast<unsigned>(static_cast<unsigned char>(utf8[i]))
                                : static_cast<unsigned>(static_cast<unsigned char>(utf8[i + 1])));
      throw RuntimeError("Invalid text", "character " + std::to_string(character) + " is the control character " +
                                             code + ", which a text cannot hold");
    }
    i += length;
  }
}

}  // namespace

std::vector<size_t> CharacterOffsets(const std::string& utf8) {
  std::vector<size_t> offsets;
  for (size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) offsets.push_back(i);
  }
  offsets.push_back(utf8.size());
  return offsets;
}

int32_t CharacterCount(const std::string& utf8) {
  return static_cast<int32_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

Bytes ToCodePage(const std::string& utf8, int32_t codePage) {
  if (utf8.empty()) return {};
  CheckText(utf8);
  if (KeepsAscii(codePage) &&
      std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return Bytes(utf8.begin(), utf8.end());
  }
  Converter& converter = CachedConverter(IconvName(codePage), "UTF-8", codePage);
  std::vector<size_t> offsets = CharacterOffsets(utf8);
  size_t characters = offsets.size() - 1;
  std::string out;
  if (converter.Convert(utf8, out) && out.size() == characters) return Bytes(out.begin(), out.end());
  // Find the first character that has no single byte in the code page.
  for (size_t i = 0; i < characters; ++i) {
    std::string character = utf8.substr(offsets[i], offsets[i + 1] - offsets[i]);
    std::string one;
    if (!converter.Convert(character, one) || one.size() != 1) {
      throw RuntimeError("Overflow", "character " + Describe(character) + " of \"" + utf8 + "\" is not in code page " +
                                         std::to_string(codePage) + ", expected characters of that code page");
    }
  }
  throw RuntimeError("Overflow", "text \"" + utf8 + "\" is not valid UTF-8");
}

std::optional<char32_t> CodePageCharacter(uint8_t byte, int32_t codePage) {
  Converter& converter = CachedConverter("UCS-4LE", IconvName(codePage), codePage);
  std::string out;
  if (!converter.Convert(std::string(1, static_cast<char>(byte)), out) || out.size() != 4) return std::nullopt;
  return static_cast<char32_t>(static_cast<uint8_t>(out[0]) | static_cast<uint8_t>(out[1]) << 8 |
                               static_cast<uint8_t>(out[2]) << 16 |
                               static_cast<uint32_t>(static_cast<uint8_t>(out[3])) << 24);
}

}  // namespace brisklet
