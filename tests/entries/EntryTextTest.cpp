// Entry texts "EP" and text fields "LA" / "EA": each record variant whole, the two fixed-text
// counts, the text field's sample text, and the fit errors.
#include <gtest/gtest.h>

#include "encoding/FontLookups.h"
#include "host/HostFactory.h"
#include "support/KindFixture.h"
#include "support/TestProject.h"
#include "values/NumericSamples.h"

namespace brisklet::test {
namespace {

Columns EntryText(const std::string& blob, Columns more = {}) {
  more.push_back({"VarType", 30});
  more.push_back({"Binary", blob});
  return more;
}
Columns TextField(const std::string& blob, Columns more = {}) {
  more.push_back({"VarType", 15});
  more.push_back({"Binary", blob});
  return more;
}

// The label "Speed" (L = 6) of the element.
const std::string kSpeedLabel = Hx({"00  06  53 70 65 65 64"});
const std::string kNoCode = Hx({"00 00  00 00 00 00 00 00 00 00  // zero, no code operand"});

// clang-format off
const KindCase kRecords[] = {
  {"EntryTextFixedTexts", EntryText(R"({"GetText1": "ABC", "GetText2": "XY", "GetEntryStyle": 7})"),
   "45 50 " + kSpeedLabel + " " + kNoCode + " " +
       Hx({"05 41 42 43 ff               // text 1: Len + 1 = 4 is even: FF, 5",
           "01 00  07  00  da 07 00 00  01 2a  // font 1, style 7, XY at (10, 20), 1, *",
           "02 58 59                     // text 2: Len 2, no pad"})},
  {"EntryTextCodeAndTableText2",
   EntryText(R"({"GetCodeFlag": 1, "GetCodeOperandType": 2, "GetCodeOperandAddr": 9, "GetCodeValue": 12, "GetText1": "unused", )"
             R"("IsText2Linked": -1, "GetText2Source": {"GetSourceText": "bar", "GetSourceOperandAddr": 5, "GetSourceColor": 9}})"),
   "45 50 " + kSpeedLabel + " " +
       Hx({"00 00  02 00 09 00 00 00 00 00  // code operand MI 9",
           "0c 00 00 04                     // text 1: code 12",
           "01 00  00  00  da 07 00 00  01 2a",
           "16 00 00"}) + " " + kBarFromTextTable},
  {"EntryTextOperandText1EmptyText2",
   EntryText(R"({"IsText1Linked": -1, "GetText1Source": {"GetSourceText": "bar", "GetSourceOperandType": 2, "GetSourceOperandAddr": 40}})"),
   "45 50 " + kSpeedLabel + " " + kNoCode + " " + Hx({"16 00 00"}) + " " + kBarFromOperand + " " +
       Hx({"01 00  00  00  da 07 00 00  01 2a  00  // text 2: empty"})},
  {"TextField", TextField(R"({"GetFieldText": "AB", "GetFieldLength": 7, "GetFieldStyle": 3, "GetFieldOperandType": 2, "GetFieldOperandAddr": 50})"),
   Hx({"4c 41  01 00  03  00  da 07 00 00  07  00  02 00 32 00 00 00 00 00  // 20 bytes"})},
  {"TextFieldEntry", TextField(R"({"GetFieldText": "AB", "GetFieldLength": 7, "GetFieldStyle": 3, "GetFieldOperandType": 2, "GetFieldOperandAddr": 50})",
                               {{"TouchOprndAddr", -2}}),
   Hx({"45 41  00  06  53 70 65 65 64  00 00  01 00  03  00  da 07 00 00  07  00  02 00 32 00 00 00 00 00"})},
};

// Offsets: "EP" text 1 at 19, text 2 at 30 behind an empty text 1; "LA" text position 6,
// length 10. Font 4 has a blank of 2
// pixels and 6 for every other character; aligned right, a sample of w pixels starts at 70 - w.
const Columns kRight = {{"Alignment", 2}, {"FontNumber", 4}};
Columns Sampled(const char* text, int32_t length) {
  return TextField(std::string(R"({"GetFieldText": ")") + text + R"(", "GetFieldLength": )" + std::to_string(length) + "}",
                   kRight);
}
const KindCase kFields[] = {
  {"Text1Of3CharactersIsPadded", EntryText(R"({"GetText1": "ABC"})"), "05 41 42 43 ff 01", 19},
  {"Text1Of4Characters", EntryText(R"({"GetText1": "ABCD"})"), "05 41 42 43 44 01", 19},
  {"Text1Of254Characters", EntryText(R"({"GetText1": ")" + std::string(254, 'a') + R"("})", {{"Dx", 4000}}), "ff 61", 19},
  {"Text1Of255Characters", EntryText(R"({"GetText1": ")" + std::string(255, 'a') + R"("})", {{"Dx", 4000}}), "Overflow"},
  {"Text2Of3CharactersIsPadded", EntryText(R"({"GetText2": "ABC"})"), "04 41 42 43 ff", 30, true},
  {"Text2Of4Characters", EntryText(R"({"GetText2": "ABCD"})"), "04 41 42 43 44", 30, true},
  {"Text2Of254Characters", EntryText(R"({"GetText2": ")" + std::string(254, 'a') + R"("})", {{"Dx", 4000}}), "fe 61", 30},
  {"Text2Of255Characters", EntryText(R"({"GetText2": ")" + std::string(255, 'a') + R"("})", {{"Dx", 4000}}), "Overflow"},
  {"CodeValue256", EntryText(R"({"GetCodeFlag": -1, "GetCodeValue": 256})"), "Overflow"},
  {"EntryStyle256", EntryText(R"({"GetEntryStyle": 256})"), "Overflow"},
  {"CodeFlagWinsOverLinkedText1", EntryText(R"({"GetCodeFlag": 1, "IsText1Linked": -1, "GetCodeValue": 3})"), "03 00 00 04 01", 19},
  // An empty text 2 is never too long: the text 1 that does not fit is placed as fitted, ABCDE.
  {"ShortenedText1IsPlaced", EntryText(R"({"GetText1": "ABCDEFGHIJ"})", {{"Alignment", 2}, {"Dx", 30}}), "da 07 00 00 01 2a", 34},
  {"FieldCutToItsLength", Sampled("ABCDEFG", 5), "f8 07 00 00 05", 6},   // ABCDE, 30 wide
  {"FieldTextRepeated", Sampled("AB", 7), "f4 07 00 00 07", 6},          // AB AB A, 34 wide
  {"FieldTextOfItsLength", Sampled("AB CD", 5), "fc 07 00 00 05", 6},      // 26 wide
  {"EmptyFieldTextIsBlanks", Sampled("", 3), "10 08 00 00 03", 6},        // 3 blanks, 6 wide
  {"FieldLength0", Sampled("AB", 0), "16 08 00 00 00", 6},                // nothing, at the anchor
  {"FieldLength255", TextField(R"({"GetFieldText": "A", "GetFieldLength": 255})", {{"Dx", 4000}}), "ff", 10},
  {"FieldLength256", TextField(R"({"GetFieldText": "A", "GetFieldLength": 256})", {{"Dx", 4000}}), "Overflow"},
  {"FieldLengthMinus1", Sampled("AB", -1), "Overflow"},
  {"FieldStyle256", TextField(R"({"GetFieldStyle": 256})"), "Overflow"},
  {"TextFieldTouchPlainIsDisplayForm", TextField("{}", {{"TouchOprndAddr", 3}}), "4c 41", 0},
};
// clang-format on

class EntryTextRecord : public KindBytesTest {
 protected:
  void SetUp() override {
    KindBytesTest::SetUp();
    AddTestFont(project, {.number = 4, .widths = {{' ', 2}}});
  }
};
TEST_P(EntryTextRecord, KindBytes) { ExpectKindBytes(); }
INSTANTIATE_TEST_SUITE_P(Variants, EntryTextRecord, ::testing::ValuesIn(kRecords), ByName());
INSTANTIATE_TEST_SUITE_P(Limits, EntryTextRecord, ::testing::ValuesIn(kFields), ByName());

// A sample of 60 pixels in a frame of 59: the entry text reports only with a fixed text 2;
// the text field always.
struct FitCase {
  const char* name;
  Columns columns;
  bool reported;
};
const FitCase kFits[] = {
    {"EntryTextWithText2", EntryText(R"({"GetText2": "ABCDEFGHIJ"})", {{"Dx", 59}}), true},
    {"EntryTextLinkedText2",
     EntryText(R"({"IsText2Linked": -1, "GetText2Source": {"GetSourceText": "ABCDEFGHIJ"}})", {{"Dx", 59}}), false},
    {"EntryTextWithText1Only", EntryText(R"({"GetText1": "ABCDEFGHIJ"})", {{"Dx", 59}}), false},
    {"TextField", TextField(R"({"GetFieldText": "ABCDEFGHIJ", "GetFieldLength": 10})", {{"Dx", 59}}), true},
    {"TextFieldEntry",
     TextField(R"({"GetFieldText": "ABCDEFGHIJ", "GetFieldLength": 10})", {{"Dx", 59}, {"TouchOprndAddr", -2}}), true},
    {"TextFieldFits", TextField(R"({"GetFieldText": "ABCDEFGHIJ", "GetFieldLength": 10})", {{"Dx", 60}}), false},
    // Longer than the length byte holds: the sample is fitted before the length is refused.
    {"TextFieldOf256", TextField(R"({"GetFieldText": "AB", "GetFieldLength": 256})"), true},
    {"TextFieldOf2Pow31", TextField(R"({"GetFieldText": "AB", "GetFieldLength": 2147483647})", {{"Dx", 4000}}), true},
};
void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class EntryTextFit : public ValueProject, public ::testing::WithParamInterface<FitCase> {};

TEST_P(EntryTextFit, OneErrorAndNoRecord) {
  Columns columns = GetParam().columns;
  columns.push_back({"GUID", 920});
  project.Compiler().CompileHmiElement(Add(columns));
  if (!GetParam().reported) {
    EXPECT_TRUE(project.Messages().messages.empty());
    EXPECT_NE(project.UnitHex(920), "");
    return;
  }
  ASSERT_EQ(project.Messages().messages.size(), 1u);
  const RecordedMessage& m = project.Messages().messages[0];
  EXPECT_EQ(std::make_tuple(m.severity, m.location, m.displayId), std::make_tuple(0, std::string("Setup"), display));
  EXPECT_EQ(m.message, "Speed is too small to fit text inside. Please resize it to solve the problem.");
  EXPECT_EQ(project.UnitHex(920), "");
  EXPECT_EQ(project.IsCompiled(920), 0);
}

INSTANTIATE_TEST_SUITE_P(Frames, EntryTextFit, ::testing::ValuesIn(kFits),
                         [](const auto& info) { return std::string(info.param.name); });

// A field longer than its length byte holds is fitted without its sample being made: against
// the sample made by the rule, in frames a few pixels either side of the sample's extent (its
// width for a text of one line, its height for a text of several).
TEST_F(ValueProject, ALongFieldIsFittedAsItsWholeSampleWouldBe) {
  AddTestFont(project, {.number = 4, .widths = {{' ', 2}}});
  ActiveHost active(project.Host());
  for (std::string text : {"", "AB", "A\r\nBC"}) {
    for (int32_t length : {256, 300, 301, 302}) {
      std::string sample = text;
      while (sample.size() < static_cast<size_t>(length)) sample = (sample + " " + sample).substr(0, length);
      auto fitter = project.Host().NewTextFitter();
      fitter->SetFont(4);
      fitter->SetText(sample);
      int32_t width = 0, height = 0;
      fitter->GetMinimumSize(width, height);
      bool oneLine = text.find('\r') == std::string::npos;
      for (int32_t d = -2; d <= 2; ++d) {
        int32_t dx = oneLine ? width + d : 60, dy = oneLine ? 20 : height + d;
        bool fits = FitTextToFrame(10, 20, dx, dy, sample, 4, 0) == sample;
        std::string blob = Json{{"GetFieldText", text}, {"GetFieldLength", length}}.dump();
        EXPECT_EQ(KindBytes(Add(TextField(blob, {{"FontNumber", 4}, {"Dx", dx}, {"Dy", dy}}))), fits ? "Overflow" : "")
            << ::testing::PrintToString(text) << " in " << length << ", frame " << dx << " x " << dy;
      }
    }
  }
}

}  // namespace
}  // namespace brisklet::test
