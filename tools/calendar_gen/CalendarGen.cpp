// Writes the calendar text files of the entry field's picker grids from the day and month
// names that ICU carries (CLDR): one file per language, UTF-8, in the folder given.
//
//   calendar_gen OUTPUT_FOLDER
//
// Each file has three sections, in grid order: "//Day Of Week//" (Sunday first, 3 x 3 cells),
// "//Day Of Month//" (1 to 31, 7 x 5 cells) and "//Month//" (January first, 3 x 4 cells).
// A section is its name, a count line "//Name Length n//" (n: the characters a name keeps on
// the panel, at most 9), then one name per line and an empty line for each cell left over, so
// that every section has a line for every cell of its grid. Names are the stand-alone forms,
// capitalised as the language capitalises a menu item; the wide form when every name of the
// section has at most 9 characters, else the abbreviated one.
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/udisplaycontext.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Language {
  const char* file;
  const char* locale;
};

// The languages of the calendar option, by file name (the names are the panel's, spelling
// included).
const Language kLanguages[] = {
    {"Calendar_English.txt", "en"},    {"Calendar_Hebrew.txt", "he"},     {"Calendar_Dutch.txt", "nl"},
    {"Calendar_German.txt", "de"},     {"Calendar_French.txt", "fr"},     {"Calendar_Itanlian.txt", "it"},
    {"Calendar_Spanish.txt", "es"},    {"Calendar_Portuguese.txt", "pt"}, {"Calendar_Danish.txt", "da"},
    {"Calendar_Swedish.txt", "sv"},    {"Calendar_Norwegian.txt", "nb"},  {"Calendar_Turkish.txt", "tr"},
    {"Calendar_Polish.txt", "pl"},     {"Calendar_Greek.txt", "el"},      {"Calendar_Hungarian.txt", "hu"},
    {"Calendar_Czech.txt", "cs"},      {"Calendar_Slovene.txt", "sl"},    {"Calendar_Russian.txt", "ru"},
    {"Calendar_Chinese.txt", "zh"},    {"Calendar_Bulgarian.txt", "bg"},  {"Calendar_Japanese.txt", "ja"},
    {"Calendar_Korean.txt", "ko"},     {"Calendar_Vietnamese.txt", "vi"}, {"Calendar_Slovak.txt", "sk"},
};

constexpr int kLongestName = 9;

void Check(UErrorCode status, const std::string& what) {
  if (U_FAILURE(status)) {
    std::cerr << "calendar_gen: " << what << ": " << u_errorName(status) << '\n';
    std::exit(2);
  }
}

// The text of one date field (a pattern such as "cccc") for each of `count` dates from the
// given one on, a day or a month apart.
std::vector<icu::UnicodeString> Names(const icu::Locale& locale, const char* pattern, int month, int day, int count,
                                      UCalendarDateFields step) {
  UErrorCode status = U_ZERO_ERROR;
  icu::SimpleDateFormat format(icu::UnicodeString(pattern), locale, status);
  Check(status, std::string("pattern ") + pattern + " of " + locale.getName());
  format.setContext(UDISPCTX_CAPITALIZATION_FOR_UI_LIST_OR_MENU, status);
  Check(status, "capitalisation context");
  icu::GregorianCalendar calendar(locale, status);
  Check(status, "calendar");
  calendar.set(2023, month, day);
  std::vector<icu::UnicodeString> names;
  for (int k = 0; k < count; ++k) {
    icu::UnicodeString text;
    icu::FieldPosition position;
    format.format(calendar, text, position);
    names.push_back(text);
    calendar.add(step, 1, status);
    Check(status, "calendar step");
  }
  return names;
}

int Longest(const std::vector<icu::UnicodeString>& names) {
  int longest = 0;
  for (const auto& name : names) longest = std::max(longest, name.countChar32());
  return longest;
}

// The wide names, or the abbreviated ones when a wide name is longer than the panel keeps.
std::vector<icu::UnicodeString> Fitting(const icu::Locale& locale, const char* wide, const char* abbreviated,
                                        int month, int day, int count, UCalendarDateFields step) {
  auto names = Names(locale, wide, month, day, count, step);
  return Longest(names) <= kLongestName ? names : Names(locale, abbreviated, month, day, count, step);
}

void WriteSection(std::ofstream& out, const char* section, const std::vector<icu::UnicodeString>& names, int cells) {
  out << section << '\n' << "//Name Length " << std::min(kLongestName, Longest(names)) << "//\n";
  for (const auto& name : names) {
    std::string utf8;
    name.toUTF8String(utf8);
    out << utf8 << '\n';
  }
  for (int k = static_cast<int>(names.size()); k < cells; ++k) out << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: calendar_gen OUTPUT_FOLDER\n";
    return 2;
  }
  for (const Language& language : kLanguages) {
    icu::Locale locale(language.locale, nullptr, nullptr, "calendar=gregorian;numbers=latn");
    std::ofstream out(std::string(argv[1]) + "/" + language.file, std::ios::binary);
    if (!out) {
      std::cerr << "calendar_gen: cannot write " << language.file << '\n';
      return 2;
    }
    // 1 January 2023 is a Sunday.
    WriteSection(out, "//Day Of Week//", Fitting(locale, "cccc", "ccc", UCAL_JANUARY, 1, 7, UCAL_DATE), 9);
    WriteSection(out, "//Day Of Month//", Names(locale, "d", UCAL_JANUARY, 1, 31, UCAL_DATE), 35);
    WriteSection(out, "//Month//", Fitting(locale, "LLLL", "LLL", UCAL_JANUARY, 1, 12, UCAL_MONTH), 12);
    std::cout << language.file << '\n';
  }
  return 0;
}
