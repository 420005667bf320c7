// Entry fields "LF" / "EF": whole records with and without the entry part and the picker
// blocks, fields at their limits, the calendar texts of each grid (entry widths, an empty name
// line, real Hebrew and Chinese files) and the minimum frames.
#include <gtest/gtest.h>

#include "base/RuntimeError.h"
#include "component/clsDownload.h"
#include "elements/KindProperties.h"
#include "entries/CalendarFolder.h"
#include "support/TestProject.h"
#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

// English: three-letter names; German: count lines ending in 7 and 8; Dutch: an empty line
// inside the months.
// clang-format off
const std::string kEnglish = FileLines({"//Day Of Week//", "//Name Length 3//", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "", "",
    "//Day Of Month//", "//Name Length 2//", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "", "", "", "",
    "//Month//", "//Name Length 3//", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"});
const std::string kGerman = FileLines({"//Day Of Week//", "//7//", "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag",
    "Freitag", "Samstag", "", "", "//Month//", "//Length 8//", "Januar", "Februar", "M\xC3\xA4rz", "April", "Mai", "Juni", "Juli",
    "August", "September", "Oktober", "November", "Dezember"});
const std::string kDutch = FileLines({"//Month//", "//3//", "jan", "", "mrt", "apr", "mei", "jun", "jul", "aug", "sep", "okt", "nov", "dec"});
// clang-format on

// The test's calendar files, read by the project's compiler.
void UseTestCalendars(TestProject& project, const CalendarFolder& calendars) {
  calendars.Write("Calendar_English.txt", kEnglish);
  calendars.Write("Calendar_German.txt", kGerman);
  calendars.Write("Calendar_Dutch.txt", kDutch);
  calendars.Write("Calendar_French.txt", FileLines({"//Month//", "//Length x//", "janv."}));
  calendars.Write("Calendar_Spanish.txt", FileLines({"//Month//", "//3//", "ene", "feb"}));
  project.UseDataDir(calendars.DataDir());
}

class EntryFieldProject : public ValueProject {
 protected:
  void SetUp() override {
    ValueProject::SetUp();
    UseTestCalendars(project, calendars);
  }
  CalendarFolder calendars;
};

Columns Field(const std::string& blob, Columns more = {}) {
  more.push_back({"VarType", 6});
  more.push_back({"Binary", blob});
  return more;
}

// Mode 2 in a frame of 90 x 36 at (10, 20), the least that holds three columns of names 18
// pixels wide: cells of 30 x 12; names drawn 1 pixel into their cells, top left.
const Columns kWeekFrame = {{"Dx", 90}, {"Dy", 36}};
const std::string kWeekBlob = R"({"EntryMode": 2, "DisplayStyle": 2, "TextSource": {"SampleText": "Mon"}})";
// clang-format off
const std::string kWeekDisplay = Hx({"4c 46  01 00  02  00  da 07 00 00  01  00  // LF, font 1, style 2, at (10, 20), mode 2 - 1",
    "1e 00  0c 00  da 07 00 00  0f 0f  01 00                    // cells 30 x 12 from (10, 20), colour 15, frame 1",
    "04 00                                                      // W = 3 + 1",
    "53 75 6e 00 3f 08 00 00  4d 6f 6e 00 5d 08 00 00  54 75 65 00 7b 08 00 00  // (11, 21) (41, 21) (71, 21)",
    "57 65 64 00 ef 0c 00 00  54 68 75 00 0d 0d 00 00  46 72 69 00 2b 0d 00 00  // y 33",
    "53 61 74 00 9f 11 00 00  00 9f 11 00 00  00 9f 11 00 00    // y 45; two empty lines"});
// clang-format on
const Columns kQtyEntry = {{"TouchOprndAddr", -2}, {"Text", "Qty"}, {"DescriptionFontNumber", 1}};

const KindCase kRecords[] = {
    {"DisplayDayOfWeek", Field(kWeekBlob, kWeekFrame), kWeekDisplay},
    {"EntryNumberWithoutGrid", Field(R"({"EntryMode": 5, "EntryStyle": 6, "DisplayStyle": 2})", kQtyEntry),
     Hx({"45 46  01  04  51 74 79 00  01 00 02 06 00 00 00 00 00 00 00 00  // EF, Qty terminated, count 1, style 6",
         "01 00  02  00  da 07 00 00  04  00                            // 9999 at (10, 20), mode 5 - 1"})},
    {"PickerModeHasNoEntryPart", Field(kWeekBlob, {{"Dx", 90}, {"Dy", 36}, {"TouchOprndAddr", -2}}), kWeekDisplay},
};

// Offsets: 0 tag, 4 display style, 6 text position, 10 entry mode - 1, 12 grid block, 24 text block.
const Columns kRoomy = {{"Dx", 200}, {"Dy", 60}};
const KindCase kFields[] = {
    {"EntryMode0", Field(R"({"EntryMode": 0})"), "Overflow"},
    {"EntryMode1", Field(R"({"EntryMode": 1})"), "00 00", 10, true},
    {"EntryMode6HasNoGrid", Field(R"({"EntryMode": 6})"), "05 00", 10, true},
    {"EntryMode256", Field(R"({"EntryMode": 256})"), "ff 00", 10, true},
    {"EntryMode257", Field(R"({"EntryMode": 257})"), "Overflow"},
    {"DisplayStyle256", Field(R"({"EntryMode": 1, "DisplayStyle": 256})"), "Overflow"},
    {"EntryStyle256", Field(R"({"EntryMode": 1, "EntryStyle": 256})", {{"TouchOprndAddr", -2}}), "Overflow"},
    {"NoBackColourEvenWithoutGrid", Field(R"({"EntryMode": 1})", {{"ColorBack", -1}}), "Overflow"},
    {"BackColour255", Field(R"({"EntryMode": 2})", {{"Dx", 90}, {"Dy", 36}, {"ColorBack", 255}}), "ff ff", 20},
    {"UnknownFont", Field(R"({"EntryMode": 1})", {{"FontNumber", 99}}), "00 00", 2},
    {"TimeMeasured", Field(R"({"EntryMode": 1, "TextSource": {"SampleText": "A"}})", {{"Alignment", 2}}), "f8 07 00 00",
     6},
    {"Count7GivesWidth8", Field(R"({"EntryMode": 2, "GridTextOption": 3})", kRoomy),
     "08 00 53 6f 6e 6e 74 61 67 00 3f 08 00 00 4d 6f 6e 74 61 67 20 00", 24},
    {"Count8GivesWidth10", Field(R"({"EntryMode": 4, "GridTextOption": 3})", kRoomy),
     "0a 00 4a 61 6e 75 61 72 20 20 20 00 3f 08 00 00", 24},
    {"Count2GivesWidth4", Field(R"({"EntryMode": 3})", kRoomy), "04 00 31 20 20 00 3f 08 00 00 32 20 20 00 5b 08 00 00",
     24},
    {"NameCutToItsWidth", Field(R"({"EntryMode": 2, "GridTextOption": 3})", kRoomy), "44 69 65 6e 73 74 61 00", 50},
    // A 3D frame (border 2): grid cells of 192 \ 3 by 84 \ 3 from (14, 23); names in cells of 64 x 27
    // from (14, 24), drawn 4 pixels into them by the frame style: (18, 28), (82, 28), (146, 28), (18, 55).
    {"Border2Grid", Field(R"({"EntryMode": 2})", {{"Flat3D", 1}, {"Dx", 200}, {"Dy", 90}}),
     "40 00 1c 00 0a 09 00 00 0f 0f 02 00", 12},
    {"Border2Names", Field(R"({"EntryMode": 2})", {{"Flat3D", 1}, {"Dx", 200}, {"Dy", 90}}),
     "04 00 53 75 6e 00 02 0b 00 00 4d 6f 6e 00 42 0b 00 00 54 75 65 00 82 0b 00 00 57 65 64 00 8e 15 00 00", 24},
    {"EmptyLineInTheMiddle", Field(R"({"EntryMode": 4, "GridTextOption": 2})", kRoomy),
     "04 00 6a 61 6e 00 3f 08 00 00 00 3f 08 00 00 6d 72 74 00 c3 08 00 00", 24},
};
// clang-format on

class EntryFieldRecord : public KindBytesTest {
 protected:
  void SetUp() override {
    KindBytesTest::SetUp();
    UseTestCalendars(project, calendars);
  }
  CalendarFolder calendars;
};

TEST_P(EntryFieldRecord, KindBytes) { ExpectKindBytes(); }
INSTANTIATE_TEST_SUITE_P(Variants, EntryFieldRecord, ::testing::ValuesIn(kRecords), ByName());
INSTANTIATE_TEST_SUITE_P(Limits, EntryFieldRecord, ::testing::ValuesIn(kFields), ByName());

// Calendar files that cannot be read end the compile with an error naming file and section.
struct CalendarFault {
  const char* name;
  int32_t mode, language;
  const char* error;
};
const CalendarFault kFaults[] = {
    {"Language12HasNoFile", 2, 12, "File not found (calendar file \"\", section \"//Day Of Week//\": a calendar file "},
    {"MissingFile", 4, 14, "File not found (calendar file \"Calendar_Greek.txt\", section \"//Month//\": "},
    {"MissingSection", 3, 2,
     "Input past end of file (calendar file \"Calendar_Dutch.txt\", section \"//Day Of Month//\""},
    {"CountLineWithoutDigit", 4, 4, "Type mismatch (calendar file \"Calendar_French.txt\", section \"//Month//\""},
    {"SectionShorterThanItsGrid", 4, 6,
     "Input past end of file (calendar file \"Calendar_Spanish.txt\", section \"//Month//\": the section ends"},
};

void PrintTo(const CalendarFault& c, std::ostream* os) { *os << c.name; }

class EntryFieldCalendar : public EntryFieldProject, public ::testing::WithParamInterface<CalendarFault> {};

TEST_P(EntryFieldCalendar, FaultNamesFileAndSection) {
  const CalendarFault& c = GetParam();
  std::string blob =
      R"({"EntryMode": )" + std::to_string(c.mode) + R"(, "GridTextOption": )" + std::to_string(c.language) + "}";
  int32_t id = Add(Field(blob, kRoomy));
  try {
    project.Compiler().ElementRecord(id);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Describe().rfind(c.error, 0), 0u) << e.Describe();
    EXPECT_NE(e.Describe().find("in element " + std::to_string(id)), std::string::npos) << e.Describe();
  }
}

INSTANTIATE_TEST_SUITE_P(Files, EntryFieldCalendar, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// Three columns of names 18 x 10 (the English week) need 2 per column and row, or in a 3D
// frame the names' own margins, 8 per column and row and 8 in all.
TEST_F(EntryFieldProject, PickerMinimumFrame) {
  for (auto [style, width, height] : {std::tuple{0, 60, 36}, std::tuple{3, 110, 86}}) {
    std::string blob =
        R"({"EntryMode": 2, "TextSource": {"GetFont": 1, "GetFrameStyle": )" + std::to_string(style) + "}}";
    EntryFieldProperties p;
    p.LoadFromBinary(Bytes(blob.begin(), blob.end()));
    int32_t dx = 0, dy = 0;
    std::string text = "kept";
    project.Compiler().prvGetEntryMinimumSize(p, dx, dy, 2, text);
    EXPECT_EQ(std::make_tuple(dx, dy, text), std::make_tuple(width, height, std::string("kept"))) << style;
  }
  // The compile measures in the element's font and frame style: exactly the minimum fits.
  for (auto [dx, dy, fits] : {std::tuple{60, 36, true}, std::tuple{59, 36, false}, std::tuple{60, 35, false}}) {
    size_t before = project.Messages().messages.size();
    std::string bytes = KindBytes(Add(Field(R"({"EntryMode": 2})", {{"Dx", dx}, {"Dy", dy}})));
    EXPECT_EQ(bytes.empty(), !fits) << dx << " x " << dy;
    EXPECT_EQ(project.Messages().messages.size(), before + (fits ? 0 : 1));
  }
  const RecordedMessage& m = project.Messages().messages.back();
  EXPECT_EQ(std::make_tuple(m.severity, m.location, m.displayId), std::make_tuple(0, std::string("Setup"), display));
  EXPECT_EQ(m.message, "Speed is too small to fit text inside. Please resize it to solve the problem.");
}

// The names measured stop at the first empty line and after as many rows as the count line says.
TEST_F(EntryFieldProject, CalendarNameSizeReadsCountRows) {
  EntryFieldProperties p;
  int32_t columns = 0, rows = 0, height = 0, width = 0;
  project.Compiler().prvGetCalendarNameSize(p, 4, 2, columns, rows, height, width);  // jan, then an empty line
  EXPECT_EQ(std::make_tuple(columns, rows, height, width), std::make_tuple(3, 4, 10, 18));
  project.Compiler().prvGetCalendarNameSize(p, 3, 0, columns, rows, height, width);  // 2 rows of 7: 1 to 14
  EXPECT_EQ(std::make_tuple(columns, rows, height, width), std::make_tuple(7, 5, 10, 12));
}

// Modes 1 and 5 in DejaVu Sans 12 px ("0" and "9" 8 pixels, ":" 4, line height 14).
TEST_F(EntryFieldProject, TimeAndNumberMinimumFramesInDejaVuSans) {
  if (!InstallDejaVu()) GTEST_SKIP() << "DejaVu Sans is not installed";
  for (auto [mode, sample, width] : {std::tuple{1, "00:00", 36}, std::tuple{5, "9999", 32}}) {
    std::string blob = R"({"EntryMode": )" + std::to_string(mode) + R"(, "TextSource": {"GetFont": 2}})";
    EntryFieldProperties p;
    p.LoadFromBinary(Bytes(blob.begin(), blob.end()));
    int32_t dx = 0, dy = 0;
    std::string text;
    project.Compiler().prvGetEntryMinimumSize(p, dx, dy, mode, text);
    EXPECT_EQ(std::make_tuple(text, dx, dy), std::make_tuple(std::string(sample), width, 14));
    for (auto [w, h, fits] :
         {std::tuple{width, 14, true}, std::tuple{width - 1, 14, false}, std::tuple{width, 13, false}}) {
      // The compile measures in the element's font and frame style, not the text source's own.
      std::string own =
          R"({"EntryMode": )" + std::to_string(mode) + R"(, "TextSource": {"GetFont": 99, "GetFrameStyle": 3}})";
      std::string bytes = KindBytes(Add(Field(own, {{"FontNumber", kDejaVuFont}, {"Dx", w}, {"Dy", h}})));
      EXPECT_EQ(bytes.empty(), !fits) << mode << ": " << w << " x " << h;
    }
  }
}

// The generated files of the data folder: Hebrew names in display order in a 1255 project;
// Chinese names cannot be sent in code page 1252.
class RealCalendars : public ValueProject {};

TEST_F(RealCalendars, HebrewWeekInAHebrewFont) {
  project.SetSetting("CodePage", 1255);
  AddTestFont(project, {.number = 5, .charset = 177});  // index 2
  std::string bytes =
      KindBytes(Add(Field(R"({"EntryMode": 2, "GridTextOption": 1})", {{"FontNumber", 5}, {"Dx", 200}, {"Dy", 40}})));
  // W = 10; "יום ראשון" drawn right to left: ן ו ש א ר, blank, ם ו י.
  ASSERT_GE(bytes.size(), 36u * 3) << bytes;
  EXPECT_EQ(bytes.substr(24 * 3, 12 * 3 - 1), "0a 00 ef e5 f9 e0 f8 20 ed e5 e9 00");
}

TEST_F(RealCalendars, ChineseWeekInA1252ProjectFails) {
  int32_t id = Add(Field(R"({"EntryMode": 2, "GridTextOption": 19})", {{"Dx", 200}, {"Dy", 40}}));
  try {
    project.Compiler().ElementRecord(id);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Text(), "Overflow");
    EXPECT_NE(e.Describe().find("(U+661F)"), std::string::npos) << e.Describe();  // 星
    EXPECT_NE(e.Describe().find("in element " + std::to_string(id)), std::string::npos) << e.Describe();
  }
}

}  // namespace
}  // namespace brisklet::test
