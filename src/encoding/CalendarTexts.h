// The picker grids of the entry field and the calendar text files that name their cells:
// which grid an entry mode has, which file a calendar language reads, and one section of
// such a file.
//
// A calendar file is read line by line. A section starts with a line that equals its name
// ("//Day Of Week//", "//Day Of Month//", "//Month//"); the next line is the count line, whose
// last character, once every "//" is removed, is one digit; then come the names, one per line.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brisklet {

// The grid of an entry mode: 2 day of the week (3 x 3), 3 day of the month (7 x 5), 4 month
// (3 x 4); the other modes (1 a time, 5 a number) have none (0 x 0, no section).
struct KeypadGrid {
  int32_t columns = 0;
  int32_t rows = 0;
  std::string_view section;
};
KeypadGrid KeypadGridOf(int32_t entryMode);

// The calendar file of a language (GridTextOption): 0 "Calendar_English.txt" ... 26
// "Calendar_Slovak.txt"; "" for 12, 20, 21 and every other number.
std::string CalendarFileName(int32_t language);

// One section of a language's calendar file, positioned after its count line.
class CalendarSection {
 public:
  // "File not found" when the file is missing, "Input past end of file" when it has no such
  // section (or nothing after it), "Type mismatch" when the count line does not end in a
  // digit; each names the file and the section.
  CalendarSection(int32_t language, std::string_view section);
  int32_t Count() const { return mCount; }
  bool AtEnd() const { return mNext >= mLines.size(); }
  // The next line; "Input past end of file" when there is none.
  std::string ReadLine();

 private:
  [[noreturn]] void Fail(const std::string& text, const std::string& what) const;
  std::string mFile;
  std::string mSection;
  std::vector<std::string> mLines;
  size_t mNext = 0;
  int32_t mCount = 0;
};

}  // namespace brisklet
