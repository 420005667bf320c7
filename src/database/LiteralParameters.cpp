// Taking the comparison literals out of a statement text. It runs once per query opened, so
// it reads the text in two plain passes with a character table and copies unchanged spans whole.
#include "database/LiteralParameters.h"

#include <array>
#include <charconv>

namespace brisklet {
namespace {

enum CharClass : uint8_t { kOther = 0, kWord = 1, kDigit = 2 | kWord, kQuote = 4, kMarker = 8 };

constexpr std::array<uint8_t, 256> MakeClasses() {
  std::array<uint8_t, 256> c{};
  for (int i = 'a'; i <= 'z'; ++i) c[static_cast<size_t>(i)] = kWord;
  for (int i = 'A'; i <= 'Z'; ++i) c[static_cast<size_t>(i)] = kWord;
  for (int i = '0'; i <= '9'; ++i) c[static_cast<size_t>(i)] = kDigit;
  for (int i = 0x80; i < 0x100; ++i) c[static_cast<size_t>(i)] = kWord;  // UTF-8 in identifiers
  c['_'] = kWord;
  c['$'] = kWord;
  c['\''] = c['"'] = c['['] = c['`'] = kQuote;
  c['?'] = c[':'] = c['@'] = kMarker;  // parameters of the caller's own
  return c;
}
constexpr std::array<uint8_t, 256> kClasses = MakeClasses();

inline uint8_t ClassOf(char c) { return kClasses[static_cast<unsigned char>(c)]; }
inline bool IsWordChar(char c) { return (ClassOf(c) & kWord) != 0; }
inline bool IsDigit(char c) { return ClassOf(c) == kDigit; }

// Whether the whole word starting at i is the keyword (given in capitals), ignoring case.
bool IsKeywordAt(std::string_view sql, size_t i, std::string_view keyword) {
  if (i + keyword.size() > sql.size()) return false;
  if (i + keyword.size() < sql.size() && IsWordChar(sql[i + keyword.size()])) return false;
  for (size_t k = 0; k < keyword.size(); ++k) {
    if ((sql[i + k] & ~0x20) != keyword[k]) return false;
  }
  return true;
}

// The end of a quoted part starting at i ('text', "name", [name], `name`), doubled quotes inside.
size_t SkipQuoted(std::string_view sql, size_t i) {
  char close = sql[i] == '[' ? ']' : sql[i];
  for (size_t j = i + 1; j < sql.size(); ++j) {
    if (sql[j] != close) continue;
    if (close != ']' && j + 1 < sql.size() && sql[j + 1] == close) {
      ++j;
      continue;
    }
    return j + 1;
  }
  return sql.size();
}

size_t SkipWord(std::string_view sql, size_t i) {
  while (i < sql.size() && IsWordChar(sql[i])) ++i;
  return i;
}

// Where the literals may be taken from: after the select list of a query, anywhere in an
// UPDATE or DELETE; npos when the text is to stay as it is.
size_t FirstEligible(std::string_view sql) {
  constexpr size_t kNone = std::string_view::npos;
  size_t start = kNone;
  int selects = 0, depth = 0;
  bool first = true, isSelect = false;
  for (size_t i = 0; i < sql.size();) {
    char c = sql[i];
    uint8_t cls = ClassOf(c);
    if (cls & kWord) {
      size_t end = SkipWord(sql, i);
      size_t length = end - i;  // only words of four or six letters can be keywords that matter
      if (cls != kDigit && (length == 6 || length == 4 || first)) {
        bool select = length == 6 && IsKeywordAt(sql, i, "SELECT");
        if (first) {
          if (!select && !IsKeywordAt(sql, i, "UPDATE") && !IsKeywordAt(sql, i, "DELETE")) return kNone;
          isSelect = select;
          if (!select) start = 0;
          first = false;
        }
        if (select && ++selects > 1) return kNone;
        if (isSelect && depth == 0 && start == kNone && length == 4 && IsKeywordAt(sql, i, "FROM")) start = i;
      }
      i = end;
      continue;
    }
    if (cls == kQuote) {
      i = SkipQuoted(sql, i);
      continue;
    }
    if (cls == kMarker) return kNone;
    if ((c == '-' || c == '/') && i + 1 < sql.size() && sql[i + 1] == (c == '-' ? '-' : '*')) return kNone;
    if (c == '(') ++depth;
    if (c == ')') --depth;
    ++i;
  }
  return start;
}

// Whether the text before `end` ends (blanks aside) in a comparison operator.
bool FollowsComparison(std::string_view sql, size_t end) {
  while (end > 0 && (sql[end - 1] == ' ' || sql[end - 1] == '\t' || sql[end - 1] == '\r' || sql[end - 1] == '\n')) {
    --end;
  }
  if (end == 0) return false;
  char c = sql[end - 1];
  char before = end > 1 ? sql[end - 2] : '\0';
  if (c == '=') return true;                          // =, ==, <=, >=, !=
  if (c == '>') return before != '>' && before != '-';  // > and <>, not >> or ->
  if (c == '<') return before != '<';                 // <, not <<
  return false;
}

}  // namespace

LiteralParameters TakeOutLiterals(std::string_view sql) {
  LiteralParameters result;
  size_t start = FirstEligible(sql);
  if (start == std::string_view::npos) {
    result.text = sql;
    return result;
  }
  result.text.reserve(sql.size());
  size_t copied = 0;  // sql[copied, i) is still to be copied
  for (size_t i = start; i < sql.size();) {
    char c = sql[i];
    uint8_t cls = ClassOf(c);
    if (cls == kQuote) {
      i = SkipQuoted(sql, i);
      continue;
    }
    bool signedNumber = c == '-' && i + 1 < sql.size() && IsDigit(sql[i + 1]);
    if (!(cls & kWord) && !signedNumber) {
      ++i;
      continue;
    }
    size_t end = SkipWord(sql, i + 1);
    if (cls != kDigit && !signedNumber) {  // a name or keyword
      i = end;
      continue;
    }
    // A number, with a minus sign only where it stands right of a comparison ("<> -1").
    std::string_view word = sql.substr(i, end - i);
    bool digitsOnly = word.find_first_not_of("0123456789", signedNumber ? 1 : 0) == std::string_view::npos;
    bool standalone = end == sql.size() || sql[end] != '.';
    int64_t value = 0;
    if (digitsOnly && standalone && FollowsComparison(sql, i) &&
        std::from_chars(word.data(), word.data() + word.size(), value).ec == std::errc()) {
      result.text.append(sql.substr(copied, i - copied));
      result.text += '?';
      result.values.push_back(value);
      copied = end;
    }
    i = signedNumber && !digitsOnly ? i + 1 : end;
  }
  result.text.append(sql.substr(copied));
  return result;
}

}  // namespace brisklet
