// Download bytes of texts, number splitting, the count block and catalogue messages.
#include <iconv.h>

#include <cerrno>

#include "component/RuntimeError.h"
#include "encoding/ByteWriter.h"
#include "encoding/mdlServices.h"
#include "host/HostFactory.h"

namespace brisklet {
namespace {

// The code point of the UTF-8 sequence starting at text[i], for error texts.
std::string DescribeCharAt(const std::string& text, size_t i) {
  size_t len = 1;
  unsigned char c = static_cast<unsigned char>(text[i]);
  if (c >= 0xF0) len = 4; else if (c >= 0xE0) len = 3; else if (c >= 0xC0) len = 2;
  std::string ch = text.substr(i, len);
  uint32_t cp = len == 1 ? c : (c & (0x7F >> len));
  for (size_t k = 1; k < len && i + k < text.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  char hex[16];
  snprintf(hex, sizeof hex, "U+%04X", cp);
  return "'" + ch + "' (" + hex + ")";
}

}  // namespace

Bytes GetAnsiBytes(const std::string& text) {
  if (text.empty()) return {};
  int32_t codePage = CurrentHost().AnsiCodePage();
  std::string target = "CP" + std::to_string(codePage);
  iconv_t cd = iconv_open(target.c_str(), "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw RuntimeError("Invalid code page", "code page " + std::to_string(codePage) + " is not supported");
  }
  Bytes out(text.size() * 4 + 4);
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* outPtr = reinterpret_cast<char*>(out.data());
  size_t outLeft = out.size();
  size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  int err = errno;
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) {
    size_t at = text.size() - inLeft;
    if (err == EILSEQ || err == EINVAL) {
      throw RuntimeError("Overflow", "character " + DescribeCharAt(text, at) + " of \"" + text +
                                         "\" is not in code page " + std::to_string(codePage));
    }
    throw RuntimeError("Overflow", "text \"" + text + "\" cannot be converted");
  }
  out.resize(out.size() - outLeft);
  return out;
}

void prvSplitAtDecimalPoint(const std::string& text, int32_t& before, int32_t& after) {
  size_t p = text.find('.');
  if (p == std::string::npos) {
    before = static_cast<int32_t>(text.size());
    after = 0;
  } else {
    before = static_cast<int32_t>(p);
    after = static_cast<int32_t>(text.size() - p - 1);
  }
}

// Count block, 12 bytes: count (1), 0 (1), 2 (1), zero (9).
Bytes EncodeCountBlock(int32_t& count) {
  if (count == 0) count = 1;
  ByteWriter out;
  out.u8(CByte(count, "count")).u8(0).u8(2).zeros(9);
  return out.take();
}

std::string GetMessageText(int32_t id, const ParamList& params) {
  return CurrentHost().NewMessageService()->MessageText(id, {params});
}

int ShowMessageBox(const std::string& text) { return CurrentHost().NewMessageBox()->Show(text); }

}  // namespace brisklet
