// Timers "LT" / "ET" and clocks "LC" / "EC": whole records, fields at their limits, and every
// format's minimum frame measured in DejaVu Sans 12 px, where the size check draws its line.
#include <gtest/gtest.h>

#include "component/clsDownload.h"
#include "elements/ClockProperties.h"
#include "elements/TimerProperties.h"
#include "values/ValueProject.h"

namespace brisklet::test {
namespace {

const std::string kTimerBlob =
    R"({"GetTimerStyle": 2, "GetTextObject": {"GetText": "MM:SS", "GetFont": 2, "GetFrameStyle": 3}, )"
    R"("GetTimerSettingA": 5, "GetTimerSettingB": 6, "GetTimerKind": 1, "GetTimerSubKind": 2, )"
    R"("GetTimerEntryCode": 9})";
const std::string kClockBlob =
    R"({"GetClockStyle": 1, "GetTextObject": {"GetText": "hh:mm"}, "GetClockSetting": 7, "GetClockEntryCode": 9})";
// "99:99" in font 1 is 30 x 10; centred in the frame it starts at (25, 25).
const std::string kTimerMain = Hx({"01 00  02  00  dd 09 00 00  05  06  01  // style 2, A 5, B 6, format 1"});
const std::string kClockMain = Hx({"01 00  01  00  dd 09 00 00  07  00      // style 1, setting 7"});
const std::string kRunLabel = Hx(
    {"01  04  52 75 6e  // label font 1, L 4: Run", "01 00 02 09 00 00 00 00 00 00 00 00  // count 1, entry code 9"});

struct RecordCase {
  const char* name;
  int32_t varType;
  std::string blob;
  Columns columns;
  std::string expected;
};

const Columns kEntry = {{"TouchOprndAddr", -2}, {"Text", "Run"}, {"DescriptionFontNumber", 1}};

const RecordCase kRecords[] = {
    {"Timer", 7, kTimerBlob, {}, "4c 54 " + kTimerMain},
    {"TimerEntry", 7, kTimerBlob, kEntry, "45 54 " + kRunLabel + " " + kTimerMain},
    {"Clock", 5, kClockBlob, {}, "4c 43 " + kClockMain},
    {"ClockEntry", 5, kClockBlob, kEntry, "45 43 " + kRunLabel + " " + kClockMain},
    {"ClockEntryLabelFromOperand",
     5,
     kClockBlob,
     {{"TouchOprndAddr", -2}, {"StorageText", 1}, {"StrStorageOprndType", 2}, {"StrStorageOprndAddr", 3}},
     Hx({"45 43  00  16  00 03  02 00 03 00 00 00 00 00  // L = block + 10, MI 3",
         "01 00  03  01 00  11  e0 0b 00 00  03 00  // centred at (40, 30)", "01 00 02 09 00 00 00 00 00 00 00 00"}) +
         " " + kClockMain},
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

class TimedRecord : public ValueProject, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(TimedRecord, KindBytes) {
  Columns columns = GetParam().columns;
  columns.push_back({"VarType", GetParam().varType});
  columns.push_back({"Alignment", 4});
  columns.push_back({"Binary", GetParam().blob});
  EXPECT_EQ(KindBytes(Add(columns)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Variants, TimedRecord, ::testing::ValuesIn(kRecords),
                         [](const auto& info) { return std::string(info.param.name); });

// One field of "LT" / "LC" at a limit (offsets: 4 style, 10 setting A or the clock's setting,
// 11 setting B, 12 the timer's format code), or the run-time error's text.
struct FieldCase {
  const char* name;
  int32_t varType;
  std::string blob;
  size_t offset;
  const char* expected;
};

const FieldCase kFields[] = {
    {"FormatCodeKind1SubKind2", 7, R"({"GetTimerKind": 1, "GetTimerSubKind": 2})", 12, "01"},
    {"FormatCodeKind1SubKind3", 7, R"({"GetTimerKind": 1, "GetTimerSubKind": 3})", 12, "00"},
    {"FormatCodeKind2", 7, R"({"GetTimerKind": 2, "GetTimerSubKind": 2})", 12, "02"},
    {"FormatCodeKind3", 7, R"({"GetTimerKind": 3, "GetTimerSubKind": 2})", 12, "00"},
    {"TimerStyle255", 7, R"({"GetTimerStyle": 255})", 4, "ff"},
    {"TimerStyle256", 7, R"({"GetTimerStyle": 256})", 0, "Overflow"},
    {"TimerSettingsAt255", 7, R"({"GetTimerSettingA": 255, "GetTimerSettingB": 255})", 10, "ff ff"},
    {"TimerSettingAMinus1", 7, R"({"GetTimerSettingA": -1})", 0, "Overflow"},
    {"TimerSettingB256", 7, R"({"GetTimerSettingB": 256})", 0, "Overflow"},
    {"ClockStyle256", 5, R"({"GetClockStyle": 256})", 0, "Overflow"},
    {"ClockSetting255", 5, R"({"GetClockSetting": 255})", 10, "ff 00"},
    {"ClockSetting256", 5, R"({"GetClockSetting": 256})", 0, "Overflow"},
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class TimedField : public ValueProject, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(TimedField, AtItsLimit) {
  const FieldCase& c = GetParam();
  std::string bytes = KindBytes(Add({{"VarType", c.varType}, {"Binary", c.blob}}));
  std::string expected = c.expected;
  if (expected == "Overflow") {
    EXPECT_EQ(bytes, expected);
  } else {
    ASSERT_GE(bytes.size(), c.offset * 3 + expected.size()) << bytes;
    EXPECT_EQ(bytes.substr(c.offset * 3, expected.size()), expected) << bytes;
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, TimedField, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return std::string(info.param.name); });

// Every format, measured in DejaVu Sans 12 px (line height 14; advances "9" and "0" 8, ":"
// "." "/" and blank 4, "*" 6, "A" 8, "H" 9, "M" 10), with the text the size service measures.
struct FormatCase {
  const char* name;
  int32_t varType;
  const char* format;
  const char* sample;
  int32_t width;
};

const FormatCase kFormats[] = {
    {"TimerMM", 7, "MM", "99", 16},
    {"TimerSSdothh", 7, "SS.hh", "99.99", 36},
    {"TimerMMcolonSS", 7, "MM:SS", "99:99", 36},
    {"TimerHHcolonMM", 7, "HH:MM", "99:99", 36},
    {"TimerMMcolonSSdothh", 7, "MM:SS.hh", "99:99.99", 56},
    {"TimerHHcolonMMcolonSS", 7, "HH:MM:SS", "99:99:99", 56},
    {"TimerHHcolonMMcolonSSdothh", 7, "HH:MM:SS.hh", "99:99:99.99", 76},
    {"TimerUnlistedSS", 7, "SS", "99", 16},
    {"TimerUnlistedHHdothh", 7, "HH.hh", "HH*99", 40},
    {"TimerUnlistedMMcolonSScolonhh", 7, "MM:SS:hh", "MM:99:99", 60},
    {"Clockhhcolonmm", 5, "hh:mm", "99:99", 36},
    {"Clockhhcolonmmcolonss", 5, "hh:mm:ss", "99:99:99", 56},
    {"Clockddslashmm", 5, "dd/mm", "99/99", 36},
    {"Clockmmslashdd", 5, "mm/dd", "99/99", 36},
    {"Clockddslashmmslashyy", 5, "dd/mm/yy", "99/99/99", 56},
    {"Clockmmslashddslashyy", 5, "mm/dd/yy", "99/99/99", 56},
    {"ClockhhcolonmmAM", 5, "hh:mm AM", "99:99 AM", 58},
    {"ClockhhcolonmmcolonssAM", 5, "hh:mm:ss AM", "99:99:00 AM", 78},
    {"ClockUnlistedHHcolonMM", 5, "HH:MM", "HH:MM", 42},
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class FormatSize : public ValueProject, public ::testing::WithParamInterface<FormatCase> {
 protected:
  std::string Blob(int32_t font, int32_t frameStyle) const {
    return R"({"GetTextObject": {"GetText": ")" + std::string(GetParam().format) + R"(", "GetFont": )" +
           std::to_string(font) + R"(, "GetFrameStyle": )" + std::to_string(frameStyle) + "}}";
  }
  // What the host's call of the size service gives for the text object of the blob.
  void Measure(const std::string& blob, int32_t& width, int32_t& height, std::string& text) {
    Bytes bytes(blob.begin(), blob.end());
    if (GetParam().varType == 7) {
      TimerProperties p;
      p.LoadFromBinary(bytes);
      project.Compiler().prvTimerMinimumSize(p, width, height, text);
    } else {
      ClockProperties p;
      p.LoadFromBinary(bytes);
      project.Compiler().prvRTCMinimumSize(p, width, height, text);
    }
  }
  // Whether an element of that frame, in DejaVu Sans, compiles without an error.
  bool Compiles(int32_t dx, int32_t dy) {
    size_t before = project.Messages().messages.size();
    int32_t id = Add({{"VarType", GetParam().varType},
                      {"FontNumber", kDejaVuFont},
                      {"Dx", dx},
                      {"Dy", dy},
                      {"Binary", Blob(1, 3)}});  // the text object's own font and frame are not the element's
    std::string bytes = KindBytes(id);
    bool reported = project.Messages().messages.size() > before;
    EXPECT_EQ(bytes.empty(), reported) << dx << " x " << dy << ": " << bytes;
    return !reported;
  }
};

TEST_P(FormatSize, MinimumFrameInDejaVuSans) {
  if (!InstallDejaVu()) GTEST_SKIP() << "DejaVu Sans is not installed";
  const FormatCase& c = GetParam();
  int32_t width = 0, height = 0;
  std::string text;
  Measure(Blob(kDejaVuFont, 0), width, height, text);
  EXPECT_EQ(text, c.sample);
  EXPECT_EQ(width, c.width);
  EXPECT_EQ(height, 14);
  EXPECT_TRUE(Compiles(c.width, 14));
  EXPECT_FALSE(Compiles(c.width - 1, 14));
  EXPECT_FALSE(Compiles(c.width, 13));
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatSize, ::testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.name); });

class TimedSizeCheck : public ValueProject {};

// The service adds the margins of the text object's frame style: 4 for a 3D frame, 1 for a
// flat one; a font the project does not have leaves the margins alone.
TEST_F(TimedSizeCheck, MarginsOfTheTextObjectsFrameStyle) {
  const std::pair<std::string, std::pair<int32_t, int32_t>> cases[] = {
      {R"({"GetTextObject": {"GetText": "MM", "GetFont": 1, "GetFrameStyle": 1}})", {20, 18}},
      {R"({"GetTextObject": {"GetText": "MM", "GetFont": 1, "GetFrameStyle": 2}})", {14, 12}},
      {R"({"GetTextObject": {"GetText": "MM", "GetFont": 99, "GetFrameStyle": 3}})", {8, 8}},
  };
  for (const auto& [blob, size] : cases) {
    TimerProperties p;
    p.LoadFromBinary(Bytes(blob.begin(), blob.end()));
    int32_t width = 0, height = 0;
    std::string text;
    project.Compiler().prvTimerMinimumSize(p, width, height, text);
    EXPECT_EQ(std::make_pair(width, height), size) << blob;
    EXPECT_EQ(text, "99");
  }
}

// The compile measures in the element's font and frame style, whatever the text object holds:
// "99" in font 1 inside a 3D frame is 20 x 18.
TEST_F(TimedSizeCheck, ElementsFontAndFrameStyleAreMeasured) {
  const std::string blob = R"({"GetTextObject": {"GetText": "MM", "GetFont": 99, "GetFrameStyle": 0}})";
  EXPECT_NE(KindBytes(Add({{"VarType", 7}, {"Flat3D", 1}, {"Dx", 20}, {"Dy", 18}, {"Binary", blob}})), "");
  EXPECT_EQ(KindBytes(Add({{"VarType", 7}, {"Flat3D", 1}, {"Dx", 19}, {"Dy", 18}, {"Binary", blob}})), "");
  EXPECT_EQ(project.Messages().messages.size(), 1u);
}

// The style is written before the size check, the settings after it: a style out of range
// fails the compile even in a frame too small, a setting out of range does not get that far.
TEST_F(TimedSizeCheck, StyleBeforeTheSizeCheckSettingsAfter) {
  Columns tooSmall = {{"VarType", 7}, {"Dx", 5}, {"GUID", 801}};
  tooSmall.push_back({"Binary", R"({"GetTimerStyle": 256, "GetTextObject": {"GetText": "MM"}})"});
  EXPECT_EQ(KindBytes(Add(tooSmall)), "Overflow");
  EXPECT_TRUE(project.Messages().messages.empty());

  int32_t id = Add({{"VarType", 5},
                    {"Dx", 5},
                    {"GUID", 802},
                    {"Text", "Clock"},
                    {"Binary", R"({"GetClockSetting": 256, "GetTextObject": {"GetText": "hh:mm"}})"}});
  project.Compiler().CompileHmiElement(id);
  ASSERT_EQ(project.Messages().messages.size(), 1u);
  EXPECT_EQ(project.Messages().messages[0].message,
            "Clock is too small to fit text inside. Please resize it to solve the problem.");
  EXPECT_EQ(project.Messages().messages[0].severity, 0);
  EXPECT_EQ(project.UnitHex(802), "");
  EXPECT_EQ(project.IsCompiled(802), 0);
}

}  // namespace
}  // namespace brisklet::test
