// Classifying and reordering right-to-left texts with FriBidi (UTF-8 in and out).
#include "host/BidiFontNameService.h"

#include <fribidi.h>

#include <vector>

#include "base/TextLines.h"

namespace brisklet {
namespace {

std::vector<FriBidiChar> ToUnicode(const std::string& utf8) {
  std::vector<FriBidiChar> chars(utf8.size() + 1);
  FriBidiStrIndex n = fribidi_charset_to_unicode(FRIBIDI_CHAR_SET_UTF8, utf8.data(),
                                                 static_cast<FriBidiStrIndex>(utf8.size()), chars.data());
  chars.resize(static_cast<size_t>(n));
  return chars;
}

std::string ToUtf8(const std::vector<FriBidiChar>& chars) {
  std::string out(chars.size() * 4 + 1, '\0');
  FriBidiStrIndex n = fribidi_unicode_to_charset(FRIBIDI_CHAR_SET_UTF8, chars.data(),
                                                 static_cast<FriBidiStrIndex>(chars.size()), out.data());
  out.resize(static_cast<size_t>(n));
  return out;
}

// A character that makes the panel's left-to-right drawing wrong: a right-to-left letter
// (Hebrew, Arabic, the RLM mark) or an explicit right-to-left embedding, override or isolate.
bool IsRightToLeft(FriBidiChar c) {
  FriBidiCharType type = fribidi_get_bidi_type(c);
  return FRIBIDI_IS_RTL(type) && (FRIBIDI_IS_LETTER(type) || FRIBIDI_IS_EXPLICIT(type) || FRIBIDI_IS_ISOLATE(type));
}

// One line in visual order. The line's direction comes from its first strong character; a
// line without one (digits only, say) keeps the direction of the line before it. Brackets are
// mirrored, but letters keep their form: the joined Arabic presentation forms that shaping
// would make are in no single-byte code page, and the panel joins the letters itself.
std::string LineToVisual(const std::string& line, FriBidiParType& direction) {
  std::vector<FriBidiChar> logical = ToUnicode(line);
  if (logical.empty()) return line;
  auto n = static_cast<FriBidiStrIndex>(logical.size());
  std::vector<FriBidiCharType> types(logical.size());
  std::vector<FriBidiBracketType> brackets(logical.size());
  std::vector<FriBidiLevel> levels(logical.size());
  fribidi_get_bidi_types(logical.data(), n, types.data());
  fribidi_get_bracket_types(logical.data(), n, types.data(), brackets.data());
  FriBidiParType resolved = direction;
  if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), n, &resolved, levels.data()) == 0) {
    return line;
  }
  std::vector<FriBidiChar> visual = logical;
  fribidi_shape_mirroring(levels.data(), n, visual.data());
  if (fribidi_reorder_line(FRIBIDI_FLAGS_DEFAULT, types.data(), n, 0, resolved, levels.data(), visual.data(),
                           nullptr) == 0) {
    return line;
  }
  direction = resolved == FRIBIDI_PAR_RTL ? FRIBIDI_PAR_WRTL : FRIBIDI_PAR_WLTR;
  return ToUtf8(visual);
}

}  // namespace

int32_t BidiFontNameService::ClassifyText(const std::string& text) {
  std::vector<FriBidiChar> chars = ToUnicode(text);
  bool anyRightToLeft = false;
  for (FriBidiChar c : chars) anyRightToLeft = anyRightToLeft || IsRightToLeft(c);
  if (!anyRightToLeft) return 2;
  std::vector<FriBidiCharType> types(chars.size());
  fribidi_get_bidi_types(chars.data(), static_cast<FriBidiStrIndex>(chars.size()), types.data());
  FriBidiParType direction = fribidi_get_par_direction(types.data(), static_cast<FriBidiStrIndex>(types.size()));
  return direction == FRIBIDI_PAR_RTL ? 1 : 0;
}

std::string BidiFontNameService::ToDisplayText(const std::string& text) {
  std::string out;
  bool first = true;
  FriBidiParType direction = FRIBIDI_PAR_WLTR;
  for (const std::string& line : SplitAtCrLf(text)) {
    if (!first) out += "\r\n";
    out += LineToVisual(line, direction);
    first = false;
  }
  return out;
}

}  // namespace brisklet
