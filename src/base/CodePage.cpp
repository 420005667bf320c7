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

// The code point of one UTF-8 character.
char32_t CodePoint(const std::string& character) {
  unsigned char lead = static_cast<unsigned char>(character[0]);
  size_t len = character.size();
  char32_t cp = len == 1 ? lead : (lead & (0x7F >> len));
  for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(character[k]) & 0x3F);
  return cp;
}

std::string Describe(const std::string& character) {
  return "'" + character + "' (" + CodePointNamed(CodePoint(character)) + ")";
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
// Each fault is added to `faults` when given; without, the first ends the scan (false).
bool ScanText(const std::string& utf8, std::vector<CodePageFault>* faults) {
  int32_t character = 1;
  for (size_t i = 0; i < utf8.size(); ++character) {
    size_t length = SequenceLength(utf8, i);
    if (length == 0) {
      if (!faults) return false;
      faults->push_back({CodePageFault::kNotUtf8, character, i, utf8.substr(i, 1), static_cast<unsigned char>(utf8[i]),
                         "Invalid text",
                         "character " + std::to_string(character) + " of \"" + utf8 + "\" is not valid UTF-8 (byte " +
                             std::to_string(i + 1) + ")"});
      ++i;
      continue;
    }
    if (IsForbiddenControl(utf8, i, length)) {
      if (!faults) return false;
      char32_t code = CodePoint(utf8.substr(i, length));
      faults->push_back({CodePageFault::kControl, character, i, utf8.substr(i, length), code, "Invalid text",
                         "character " + std::to_string(character) + " is the control character " +
                             CodePointNamed(code) + ", which a text cannot hold"});
    }
    i += length;
  }
  return !faults || faults->empty();
}

bool IsAscii(const std::string& utf8) {
  return std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The text's bytes when all of it converts (checked whole, then in one conversion), else nothing.
std::optional<Bytes> Converted(const std::string& utf8, int32_t codePage) {
  if (!ScanText(utf8, nullptr)) return std::nullopt;
  if (KeepsAscii(codePage) && IsAscii(utf8)) return Bytes(utf8.begin(), utf8.end());
  Converter& converter = CachedConverter(IconvName(codePage), "UTF-8", codePage);
  std::string out;
  if (converter.Convert(utf8, out) && out.size() == static_cast<size_t>(CharacterCount(utf8))) {
    return Bytes(out.begin(), out.end());
  }
  return std::nullopt;
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

std::vector<CodePageFault> CodePageFaults(const std::string& utf8, int32_t codePage) {
  if (utf8.empty() || Converted(utf8, codePage)) return {};
  std::vector<CodePageFault> faults;
  ScanText(utf8, &faults);
  Converter& converter = CachedConverter(IconvName(codePage), "UTF-8", codePage);
  int32_t character = 1;
  for (size_t i = 0; i < utf8.size(); ++character) {
    size_t length = SequenceLength(utf8, i);
    if (length == 0 || IsForbiddenControl(utf8, i, length)) {  // found above
      i += length == 0 ? 1 : length;
      continue;
    }
    std::string one, bytes = utf8.substr(i, length);
    if (!(KeepsAscii(codePage) && length == 1) && (!converter.Convert(bytes, one) || one.size() != 1)) {
      faults.push_back({CodePageFault::kNotInCodePage, character, i, bytes, CodePoint(bytes), "Overflow",
                        "character " + Describe(bytes) + " of \"" + utf8 + "\" is not in code page " +
                            std::to_string(codePage) + ", expected characters of that code page"});
    }
    i += length;
  }
  return faults;
}

Bytes ToCodePage(const std::string& utf8, int32_t codePage) {
  if (utf8.empty()) return {};
  if (std::optional<Bytes> bytes = Converted(utf8, codePage)) return std::move(*bytes);
  std::vector<CodePageFault> faults = CodePageFaults(utf8, codePage);
  if (faults.empty()) throw RuntimeError("Overflow", "text \"" + utf8 + "\" is not valid UTF-8");
  throw RuntimeError(faults.front().title, faults.front().text);
}

std::string CodePointNamed(char32_t code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(code));
  return hex;
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
