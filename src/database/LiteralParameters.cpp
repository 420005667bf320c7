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

// Whether the text before `end` ends (blanks aside) in a comparison operator.
bool FollowsComparison(std::string_view sql, size_t end) {
  while (end > 0 && (sql[end - 1] == ' ' || sql[end - 1] == '\t' || sql[end - 1] == '\r' || sql[end - 1] == '\n')) {
    --end;
  }
  if (end == 0) return false;
  char c = sql[end - 1];
  char before = end > 1 ? sql[end - 2] : '\0';
  if (c == '=') return true;                            // =, ==, <=, >=, !=
  if (c == '>') return before != '>' && before != '-';  // > and <>, not >> or ->
  if (c == '<') return before != '<';                   // <, not <<
  return false;
}

}  // namespace

LiteralParameters TakeOutLiterals(std::string_view sql) {
  constexpr size_t kNone = std::string_view::npos;
  LiteralParameters result;
  auto unchanged = [&] {
    result.text = sql;
    result.values.clear();
    return result;
  };
  // One pass: whether the text may change at all, where its select list ends (literals are
  // taken only after it: from the top-level FROM of a query, anywhere in UPDATE and DELETE),
  // and the literals themselves.
  struct Literal {
    size_t begin, end;
  };
  constexpr size_t kMostLiterals = 16;  // a text with more stays as it is
  Literal literals[kMostLiterals];
  size_t count = 0;
  size_t start = kNone;
  int selects = 0, depth = 0;
  bool first = true, isSelect = false;
  for (size_t i = 0; i < sql.size();) {
    char c = sql[i];
    uint8_t cls = ClassOf(c);
    bool signedNumber = c == '-' && i + 1 < sql.size() && IsDigit(sql[i + 1]);
    if (cls == kDigit || signedNumber) {
      size_t end = SkipWord(sql, i + 1);
      if (start == kNone || !FollowsComparison(sql, i)) {
        i = signedNumber ? i + 1 : end;  // a minus of arithmetic, or a number left as it is
        continue;
      }
      std::string_view word = sql.substr(i, end - i);
      bool digitsOnly = word.find_first_not_of("0123456789", signedNumber ? 1 : 0) == kNone;
      bool standalone = end == sql.size() || sql[end] != '.';
      int64_t value = 0;
      if (digitsOnly && standalone &&
          std::from_chars(word.data(), word.data() + word.size(), value).ec == std::errc()) {
        if (count == kMostLiterals) return unchanged();
        literals[count++] = {i, end};
        result.values.push_back(value);
      }
      i = end;
      continue;
    }
    if (cls & kWord) {
      if (c == '$') return unchanged();  // a parameter of the caller's own ($name)
      size_t end = SkipWord(sql, i);
      size_t length = end - i;  // only words of four or six letters can be keywords that matter
      if (length == 6 || length == 4 || first) {
        bool select = length == 6 && IsKeywordAt(sql, i, "SELECT");
        if (first) {
          if (!select && !IsKeywordAt(sql, i, "UPDATE") && !IsKeywordAt(sql, i, "DELETE")) return unchanged();
          isSelect = select;
          if (!select) start = 0;
          first = false;
        }
        if (select && ++selects > 1) return unchanged();  // a subquery: its expressions may name columns
        if (isSelect && depth == 0 && start == kNone && length == 4 && IsKeywordAt(sql, i, "FROM")) start = i;
      }
      i = end;
      continue;
    }
    if (cls == kQuote) {
      i = SkipQuoted(sql, i);
      continue;
    }
    if (cls == kMarker || c == ';') return unchanged();  // parameters of the caller's own; a script
    if ((c == '-' || c == '/') && i + 1 < sql.size() && sql[i + 1] == (c == '-' ? '-' : '*')) return unchanged();
    if (c == '(') ++depth;
    if (c == ')') --depth;
    ++i;
  }
  if (first || start == kNone || count == 0) return unchanged();
  result.text.reserve(sql.size());
  size_t copied = 0;
  for (size_t k = 0; k < count; ++k) {
    const Literal& l = literals[k];
    result.text.append(sql.substr(copied, l.begin - copied)).push_back('?');
    copied = l.end;
  }
  result.text.append(sql.substr(copied));
  return result;
}

}  // namespace brisklet
