// Entry grids, calendar file names and the reading of a calendar section.
#include "encoding/CalendarTexts.h"

#include <algorithm>
#include <map>

#include "base/RuntimeError.h"
#include "host/HostFactory.h"

namespace brisklet {

KeypadGrid KeypadGridOf(int32_t entryMode) {
  switch (entryMode) {
    case 2: return {3, 3, "//Day Of Week//"};
    case 3: return {7, 5, "//Day Of Month//"};
    case 4: return {3, 4, "//Month//"};
    default: return {};
  }
}

std::string CalendarFileName(int32_t language) {
  static const std::map<int32_t, std::string> kFiles = {
      {0, "Calendar_English.txt"},  {1, "Calendar_Hebrew.txt"},      {2, "Calendar_Dutch.txt"},
      {3, "Calendar_German.txt"},   {4, "Calendar_French.txt"},      {5, "Calendar_Itanlian.txt"},
      {6, "Calendar_Spanish.txt"},  {7, "Calendar_Portuguese.txt"},  {8, "Calendar_Danish.txt"},
      {9, "Calendar_Swedish.txt"},  {10, "Calendar_Norwegian.txt"},  {11, "Calendar_Turkish.txt"},
      {13, "Calendar_Polish.txt"},  {14, "Calendar_Greek.txt"},      {15, "Calendar_Hungarian.txt"},
      {16, "Calendar_Czech.txt"},   {17, "Calendar_Slovene.txt"},    {18, "Calendar_Russian.txt"},
      {19, "Calendar_Chinese.txt"}, {22, "Calendar_Bulgarian.txt"},  {23, "Calendar_Japanese.txt"},
      {24, "Calendar_Korean.txt"},  {25, "Calendar_Vietnamese.txt"}, {26, "Calendar_Slovak.txt"}};
  auto it = kFiles.find(language);
  return it == kFiles.end() ? "" : it->second;
}

namespace {

// The digit the count line ends with once every "//" is taken out.
bool CountOf(std::string line, int32_t& count) {
  for (size_t at; (at = line.find("//")) != std::string::npos;) line.erase(at, 2);
  if (line.empty() || line.back() < '0' || line.back() > '9') return false;
  count = line.back() - '0';
  return true;
}

}  // namespace

CalendarSection::CalendarSection(int32_t language, std::string_view section)
    : mFile(CalendarFileName(language)), mSection(section) {
  try {
    mLines = CurrentHost().NewCalendarService()->ReadCalendarFile(mFile);
  } catch (const RuntimeError& e) {
    Fail(e.Text(), e.Detail());
  }
  auto start = std::find(mLines.begin(), mLines.end(), mSection);
  if (start == mLines.end()) Fail("Input past end of file", "the file has no section");
  mNext = static_cast<size_t>(start - mLines.begin()) + 1;
  std::string countLine = ReadLine();
  if (!CountOf(countLine, mCount))
    Fail("Type mismatch", "the count line \"" + countLine + "\" does not end in a digit");
}

std::string CalendarSection::ReadLine() {
  if (AtEnd()) Fail("Input past end of file", "the section ends before its last name");
  return mLines[mNext++];
}

void CalendarSection::Fail(const std::string& text, const std::string& what) const {
  throw RuntimeError(text, "calendar file \"" + mFile + "\", section \"" + mSection + "\": " + what);
}

}  // namespace brisklet
