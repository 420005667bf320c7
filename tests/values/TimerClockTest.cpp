// Timers "LT" / "ET" and clocks "LC" / "EC": whole records, fields at their limits, and every
// format's minimum frame measured in DejaVu Sans 12 px, where the size check draws its line.
#include <gtest/gtest.h>

#include "component/clsDownload.h"
#include "elements/ClockProperties.h"
#include "elements/TimerProperties.h"
#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

// clang-format off
const std::string kTimerBlob = R"({"GetTimerStyle": 2, "GetTextObject": {"GetText": "MM:SS", "GetFont": 2, "GetFrameStyle": 3}, )"
    R"("GetTimerSettingA": 5, "GetTimerSettingB": 6, "GetTimerKind": 1, "GetTimerSubKind": 2, "GetTimerEntryCode": 9})";
const std::string kClockBlob = R"({"GetClockStyle": 1, "GetTextObject": {"GetText": "hh:mm"}, "GetClockSetting": 7, "GetClockEntryCode": 9})";
// "99:99" in font 1 is 30 x 10; centred in the frame it starts at (25, 25).
const std::string kTimerMain = Hx({"01 00  02  00  dd 09 00 00  05  06  01  // style 2, A 5, B 6, format 1"});
const std::string kClockMain = Hx({"01 00  01  00  dd 09 00 00  07  00      // style 1, setting 7"});
const std::string kRunLabel = Hx({"01  04  52 75 6e  01 00 02 09 00 00 00 00 00 00 00 00  // font 1, L 4: Run; count 1, code 9"});
const Columns kCentred = {{"Alignment", 4}};
const Columns kEntry = {{"Alignment", 4}, {"TouchOprndAddr", -2}, {"Text", "Run"}, {"DescriptionFontNumber", 1}};

const KindCase kRecords[] = {
  {"Timer", Variable(7, kTimerBlob, kCentred), "4c 54 " + kTimerMain},
  {"TimerEntry", Variable(7, kTimerBlob, kEntry), "45 54 " + kRunLabel + " " + kTimerMain},
  {"Clock", Variable(5, kClockBlob, kCentred), "4c 43 " + kClockMain},
  {"ClockEntry", Variable(5, kClockBlob, kEntry), "45 43 " + kRunLabel + " " + kClockMain},
  {"ClockEntryLabelFromOperand",
   Variable(5, kClockBlob, {{"Alignment", 4}, {"TouchOprndAddr", -2}, {"StorageText", 1}, {"StrStorageOprndType", 2}, {"StrStorageOprndAddr", 3}}),
   Hx({"45 43  00  16  00 03  02 00 03 00 00 00 00 00  01 00  03  01 00  11  e0 0b 00 00  03 00  // MI 3, centred (40, 30)",
       "01 00 02 09 00 00 00 00 00 00 00 00"}) + " " + kClockMain},
};

// Offsets in "LT" / "LC": 4 style, 10 setting A or the clock's setting, 11 setting B, 12 the timer's format code.
const KindCase kFields[] = {
  {"FormatCodeKind1SubKind3", Variable(7, R"({"GetTimerKind": 1, "GetTimerSubKind": 3})"), "00", 12},
  {"FormatCodeKind2", Variable(7, R"({"GetTimerKind": 2, "GetTimerSubKind": 2})"), "02", 12},
  {"FormatCodeKind3", Variable(7, R"({"GetTimerKind": 3, "GetTimerSubKind": 2})"), "00", 12},
  {"TimerStyle255", Variable(7, R"({"GetTimerStyle": 255})"), "ff", 4},
  {"TimerStyle256", Variable(7, R"({"GetTimerStyle": 256})"), "Overflow"},
  {"TimerSettingsAt255", Variable(7, R"({"GetTimerSettingA": 255, "GetTimerSettingB": 255})"), "ff ff", 10},
  {"TimerSettingAMinus1", Variable(7, R"({"GetTimerSettingA": -1})"), "Overflow"},
  {"TimerSettingB256", Variable(7, R"({"GetTimerSettingB": 256})"), "Overflow"},
  {"TimerEntryCode256", Variable(7, R"({"GetTimerEntryCode": 256})", {{"TouchOprndAddr", -2}}), "Overflow"},
  {"ClockStyle256", Variable(5, R"({"GetClockStyle": 256})"), "Overflow"},
  {"ClockSetting255", Variable(5, R"({"GetClockSetting": 255})"), "ff 00", 10},
  {"ClockSetting256", Variable(5, R"({"GetClockSetting": 256})"), "Overflow"},
};
// clang-format on

class TimedRecord : public KindBytesTest {};
TEST_P(TimedRecord, KindBytes) { ExpectKindBytes(); }
INSTANTIATE_TEST_SUITE_P(Variants, TimedRecord, ::testing::ValuesIn(kRecords), ByName());

class TimedField : public KindBytesTest {};
TEST_P(TimedField, AtItsLimit) { ExpectKindBytes(); }
INSTANTIATE_TEST_SUITE_P(Limits, TimedField, ::testing::ValuesIn(kFields), ByName());

// Every format in DejaVu Sans 12 px (line height 14; advances "9" and "0" 8, ":" "." "/" and
// blank 4, "*" 6, "A" 8, "H" 9, "M" 10) and the text the size service measures.
struct FormatCase {
  const char* name;
  int32_t varType;
  const char* format;
  const char* sample;
  int32_t width;
};

// clang-format off
const FormatCase kFormats[] = {
  {"TimerMM", 7, "MM", "99", 16},                          {"TimerSSdothh", 7, "SS.hh", "99.99", 36},
  {"TimerMMcolonSS", 7, "MM:SS", "99:99", 36},             {"TimerHHcolonMM", 7, "HH:MM", "99:99", 36},
  {"TimerMMcolonSSdothh", 7, "MM:SS.hh", "99:99.99", 56},  {"TimerHHcolonMMcolonSS", 7, "HH:MM:SS", "99:99:99", 56},
  {"TimerHHcolonMMcolonSSdothh", 7, "HH:MM:SS.hh", "99:99:99.99", 76},
  {"TimerUnlistedSS", 7, "SS", "99", 16},                  {"TimerUnlistedHHdothh", 7, "HH.hh", "HH*99", 40},
  {"TimerUnlistedMMcolonSScolonhh", 7, "MM:SS:hh", "MM:99:99", 60},
  {"Clockhhcolonmm", 5, "hh:mm", "99:99", 36},             {"Clockhhcolonmmcolonss", 5, "hh:mm:ss", "99:99:99", 56},
  {"Clockddslashmm", 5, "dd/mm", "99/99", 36},             {"Clockmmslashdd", 5, "mm/dd", "99/99", 36},
  {"Clockddslashmmslashyy", 5, "dd/mm/yy", "99/99/99", 56}, {"Clockmmslashddslashyy", 5, "mm/dd/yy", "99/99/99", 56},
  {"ClockhhcolonmmAM", 5, "hh:mm AM", "99:99 AM", 58},     {"ClockhhcolonmmcolonssAM", 5, "hh:mm:ss AM", "99:99:00 AM", 78},
  {"ClockUnlistedHHcolonMM", 5, "HH:MM", "HH:MM", 42},
};
// clang-format on

class FormatSize : public ValueProject, public ::testing::WithParamInterface<FormatCase> {
 protected:
  std::string Blob(int32_t font, int32_t frameStyle) const {
    return R"({"GetTextObject": {"GetText": ")" + std::string(GetParam().format) + R"(", "GetFont": )" +
           std::to_string(font) + R"(, "GetFrameStyle": )" + std::to_string(frameStyle) + "}}";
  }
  // The host's call of the size service, with the text object of the blob.
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
  // Whether an element of that frame in DejaVu Sans compiles; the text object's own font and
  // frame style are not the element's and must not count.
  bool Compiles(int32_t dx, int32_t dy) {
    size_t before = project.Messages().messages.size();
    std::string bytes =
        KindBytes(Add(Variable(GetParam().varType, Blob(1, 3), {{"FontNumber", kDejaVuFont}, {"Dx", dx}, {"Dy", dy}})));
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
  EXPECT_EQ(std::make_tuple(text, width, height), std::make_tuple(std::string(c.sample), c.width, 14));
  EXPECT_TRUE(Compiles(c.width, 14));
  EXPECT_FALSE(Compiles(c.width - 1, 14));
  EXPECT_FALSE(Compiles(c.width, 13));
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatSize, ::testing::ValuesIn(kFormats), ByName());

class TimedSizeCheck : public ValueProject {};

// The compile measures in the element's font and frame style, whatever the text object holds:
// "99" in font 1 inside a 3D frame needs 20 x 18; the service alone uses the text object's.
TEST_F(TimedSizeCheck, ElementsFontAndFrameStyleAreMeasured) {
  const std::string blob = R"({"GetTextObject": {"GetText": "MM", "GetFont": 99, "GetFrameStyle": 2}})";
  EXPECT_NE(KindBytes(Add(Variable(7, blob, {{"Flat3D", 1}, {"Dx", 20}, {"Dy", 18}}))), "");
  EXPECT_EQ(KindBytes(Add(Variable(7, blob, {{"Flat3D", 1}, {"Dx", 19}, {"Dy", 18}}))), "");
  EXPECT_EQ(project.Messages().messages.size(), 1u);
  TimerProperties p;
  p.LoadFromBinary(Bytes(blob.begin(), blob.end()));
  int32_t width = 0, height = 0;
  std::string text;
  project.Compiler().prvTimerMinimumSize(p, width, height, text);
  // Font 99 names no font: measured in the first font, as the panel draws it, plus the flat
  // frame's margins.
  EXPECT_EQ(std::make_pair(width, height), std::make_pair(14, 12));
}

// The style is written before the size check, the settings after it: a style out of range
// fails even in a frame too small; a setting out of range does not get that far.
TEST_F(TimedSizeCheck, StyleBeforeTheSizeCheckSettingsAfter) {
  EXPECT_EQ(KindBytes(Add(Variable(7, R"({"GetTimerStyle": 256, "GetTextObject": {"GetText": "MM"}})", {{"Dx", 5}}))),
            "Overflow");
  EXPECT_TRUE(project.Messages().messages.empty());
  int32_t id = Add(Variable(5, R"({"GetClockSetting": 256, "GetTextObject": {"GetText": "hh:mm"}})",
                            {{"Dx", 5}, {"GUID", 802}, {"Text", "Clock"}}));
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
