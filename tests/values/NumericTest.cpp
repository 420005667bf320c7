// Numbers "LN" / "EN" as compiled kind bytes (behind the 90-byte header): whole records of
// each variant, single fields at their limits, the Hebrew text rule and the fit error.
#include <gtest/gtest.h>

#include "text/TestFonts.h"
#include "values/NumericSamples.h"
#include "values/ValueProject.h"

namespace brisklet::test {
namespace {

struct RecordCase {
  const char* name;
  Columns columns;
  std::string expected;
};

const RecordCase kRecords[] = {
    {"DisplayFixedUnits",
     {{"VarType", 8}, {"Binary", Blob()}},
     Join({"4c 4e", kHead, kDisplayMiddle, kOperands, "02 6d 6d"})},
    {"AlternateVarTypeSameBytes",
     {{"VarType", 13}, {"Binary", Blob()}},
     Join({"4c 4e", kHead, kDisplayMiddle, kOperands, "02 6d 6d"})},
    {"DisplayNoSignNoUnits",
     {{"VarType", 8}, {"Binary", R"({"GetMask": "9999.99", "GetFlagC": true})"}},
     Join({"4c 4e", Hx({"01 00 00 00 da 07 00 00  00 00 04 02 08 00 00  // 4.2 digits, flag C"}), kDisplayMiddle,
           Hx({"00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  // no operands",
               "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"}),
           Hx({"00  // U 0, record of 67 bytes"})})},
    {"DisplayUnitsFromTextTable",
     {{"VarType", 8}, {"Binary", Blob(kBarFromTextTableBlob)}},
     Join({"4c 4e", kHead, kDisplayMiddle, kOperands, Hx({"16 00 00  // U = block + 2"}), kBarFromTextTable})},
    {"DisplayUnitsFromOperand",
     {{"VarType", 8}, {"Binary", Blob(kBarFromOperandBlob)}},
     Join({"4c 4e", kHead, kDisplayMiddle, kOperands, Hx({"16 00 00  // U = block + 10"}), kBarFromOperand})},
    {"EntryTextLabel",
     {{"VarType", 8},
      {"TouchOprndAddr", -2},
      {"Text", "Flow"},
      {"DescriptionFontNumber", 1},
      {"Binary", Blob(R"("GetEntryCode": 4, "GetEntryOperand1Type": 2, "GetEntryOperand1Addr": 7)")}},
     Join({Hx({"45 4e  01  06  46 6c 6f 77  ff  // label font 1, L 6: Flow and a pad"}), kEntryCount, kHead,
           Hx({"2a  02 00 07 00 00 00 00 00  00 00 00 00 00 00 00 00  // *, entry operands MI 7, none"}), kOperands,
           "02 6d 6d"})},
    {"EntryLabelFromTextTable",
     {{"VarType", 8},
      {"TouchOprndAddr", -2},
      {"StorageText", 1},
      {"StrStorageOprndType", 0},
      {"StrStorageOprndAddr", 3},
      {"StrStorageFont", 7},
      {"Binary", Blob(R"("GetEntryCode": 4)")}},
     Join({Hx({"45 4e  00  16  00 02  // no label font, L = block + 2, text table",
               "00 00  03  01 00  00  da 07 00 00  03 00  da 07 00 00  da 07 00 00  // font 7, index 3"}),
           kEntryCount, kHead, kEntryMiddle, kOperands, "02 6d 6d"})},
    {"EntryLabelFromOperand",
     {{"VarType", 8},
      {"TouchOprndAddr", -2},
      {"StorageText", 1},
      {"StrStorageOprndType", 2},
      {"StrStorageOprndAddr", 3},
      {"StrStorageFont", 7},
      {"Binary", Blob(R"("GetEntryCode": 4)")}},
     Join({Hx({"45 4e  00  16  00 03  02 00 03 00 00 00 00 00  // L = block + 10, MI 3",
               "01 00  03  01 00  00  da 07 00 00  03 00  // the element's font 1"}),
           kEntryCount, kHead, kEntryMiddle, kOperands, "02 6d 6d"})},
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

class NumericRecord : public ValueProject, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(NumericRecord, KindBytes) {
  AddTexts(2);
  EXPECT_EQ(KindBytes(Add(GetParam().columns)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Variants, NumericRecord, ::testing::ValuesIn(kRecords),
                         [](const auto& info) { return std::string(info.param.name); });

// One field of "LN" (or of "EN" with an entry touch) at a limit. Offsets are in the kind
// bytes: "LN" 2 font, 4 format, 6 text position, 10 flag E, 11 has units, 12-13 digits,
// 14 flags, 16 mode, 66 units length; "EN" with the label "Speed" has its main block at 21.
struct FieldCase {
  const char* name;
  std::string blob;
  Columns columns;
  size_t offset;
  const char* expected;  // hex from the offset on, or the run-time error's text
};

const Columns kEntry = {{"TouchOprndAddr", -2}};
const Columns kRightAligned = {{"Alignment", 2}};  // anchor (70, 20): the text ends there
const Columns kNoFont = {{"FontNumber", 0}};       // nothing measured, nothing cut

const FieldCase kFields[] = {
    {"MaskWithoutPoint", R"({"GetMask": "999"})", {}, 12, "03 00"},
    {"MaskPointFirst", R"({"GetMask": ".5"})", {}, 12, "00 01"},
    {"MaskEmpty", "{}", {}, 12, "00 00"},
    {"MaskOf300DigitsKeepsTheLowByte", R"({"GetMask": ")" + std::string(300, '9') + R"(.99"})", kNoFont, 12, "2c 02"},
    {"UnknownFontIndexIsZero", "{}", {{"FontNumber", 99}}, 2, "00 00"},
    {"FormatCode255", R"({"GetFormatCode": 255})", {}, 4, "ff"},
    {"FormatCode256", R"({"GetFormatCode": 256})", {}, 0, "Overflow"},
    {"FormatCodeMinus1", R"({"GetFormatCode": -1})", {}, 0, "Overflow"},
    {"ModeCode2", R"({"GetModeCode": 2})", {}, 16, "02"},
    {"ModeCode3LeavesZero", R"({"GetModeCode": 3})", {}, 16, "00"},
    {"ModeCodeMinus1LeavesZero", R"({"GetModeCode": -1})", {}, 16, "00"},
    {"StyleMinus1", R"({"GetStyleCode": -1})", {}, 14, "01"},
    {"Style2", R"({"GetStyleCode": 2})", {}, 14, "40"},
    {"Style1", R"({"GetStyleCode": 1})", {}, 14, "00"},
    {"FlagsAToE",
     R"({"GetFlagA": true, "GetFlagB": true, "GetFlagC": true, "GetFlagD": true, "GetFlagE": true})",
     {},
     10,
     "01 00 00 00 1e"},
    {"UnitsLinkedByOneHasUnitsButNoFlag",
     R"({"GetMask": "9", "IsUnitsLinked": 1, "GetUnitsSource": {"GetSourceText": "bar", "GetSourceOperandType": 2}})",
     {},
     11,
     "01 01 00 00"},
    {"UnitsSourceWithoutText",
     R"({"IsUnitsLinked": -1, "GetUnitsSource": {"GetSourceOperandType": 2}})",
     {},
     11,
     "00 00 00 00"},
    {"UnitsOf255Characters", R"({"GetUnitsText": ")" + std::string(255, 'm') + R"("})", kNoFont, 66, "ff 6d 6d"},
    {"UnitsOf256Characters", R"({"GetUnitsText": ")" + std::string(256, 'm') + R"("})", kNoFont, 0, "Overflow"},
    {"SignedSample", R"({"GetMask": "99.9", "GetUnitsText": "mm"})", kRightAligned, 6, "e6 07 00 00"},  // 48 wide
    {"NoSignWithFlagC", R"({"GetMask": "99.9", "GetUnitsText": "mm", "GetFlagC": true})", kRightAligned, 6,
     "ec 07 00 00"},  // 42 wide
    {"NoSignWithFlagD", R"({"GetMask": "99.9", "GetUnitsText": "mm", "GetFlagD": true})", kRightAligned, 6,
     "ec 07 00 00"},
    {"EntryWithFlagCMeasuresUnitsAlone",
     R"({"GetMask": "99.9", "GetUnitsText": "mm", "GetFlagC": true})",
     {{"TouchOprndAddr", -2}, {"Alignment", 2}},
     25,
     "0a 08 00 00"},  // 12 wide
    {"EntryWithFlagCAndNoUnitsMeasuresTheMask",
     R"({"GetMask": "99.9", "GetFlagC": true})",
     {{"TouchOprndAddr", -2}, {"Alignment", 2}},
     25,
     "fe 07 00 00"},  // 24 wide
    {"EntryLabelOf4CharactersIsPadded",
     "{}",
     {{"TouchOprndAddr", -2}, {"Text", "Flow"}},
     0,
     "45 4e 00 06 46 6c 6f 77 ff 01"},
    {"EntryLabelOf5Characters", "{}", kEntry, 0, "45 4e 00 06 53 70 65 65 64 01"},
    {"EntryLabelEmpty", "{}", {{"TouchOprndAddr", -2}, {"Text", ""}}, 0, "45 4e 00 02 ff 01 00 02"},
    {"EntryLabelOf253Characters", "{}", {{"TouchOprndAddr", -2}, {"Text", std::string(253, 'a')}}, 3, "fe 61"},
    {"EntryLabelOf254Characters", "{}", {{"TouchOprndAddr", -2}, {"Text", std::string(254, 'a')}}, 0, "Overflow"},
    {"EntryLabelFont", "{}", {{"TouchOprndAddr", -2}, {"DescriptionFontNumber", 1}}, 2, "01"},
    {"EntryLabelUnknownFont", "{}", {{"TouchOprndAddr", -2}, {"DescriptionFontNumber", 99}}, 2, "00"},
    {"EntryCount255", R"({"GetEntryCount": 255, "GetEntryCode": 255})", kEntry, 9, "ff 00 02 ff 00"},
    {"EntryCount256", R"({"GetEntryCount": 256})", kEntry, 0, "Overflow"},
    {"EntryCodeMinus1", R"({"GetEntryCode": -1})", kEntry, 0, "Overflow"},
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class NumericField : public ValueProject, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(NumericField, AtItsLimit) {
  const FieldCase& c = GetParam();
  Columns columns = c.columns;
  columns.push_back({"VarType", 8});
  columns.push_back({"Binary", c.blob});
  std::string bytes = KindBytes(Add(columns));
  std::string expected = c.expected;
  if (expected == "Overflow") {
    EXPECT_EQ(bytes, expected);
  } else {
    ASSERT_GE(bytes.size(), c.offset * 3 + expected.size()) << bytes;
    EXPECT_EQ(bytes.substr(c.offset * 3, expected.size()), expected) << bytes;
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, NumericField, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return std::string(info.param.name); });

// The sample "-99.9 mm" is 48 x 10 pixels in font 1: a frame of exactly that size holds it,
// one pixel less in either direction is an error of the display and entry forms alike.
struct FitCase {
  const char* name;
  int32_t touch, dx, dy;
  bool fits;
};

const FitCase kFits[] = {
    {"DisplayExact", -1, 48, 10, true}, {"DisplayNarrower", -1, 47, 10, false}, {"DisplayLower", -1, 48, 9, false},
    {"EntryExact", -2, 48, 10, true},   {"EntryNarrower", -2, 47, 10, false},
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class NumericFit : public ValueProject, public ::testing::WithParamInterface<FitCase> {};

TEST_P(NumericFit, FrameAgainstTheSampleText) {
  const FitCase& c = GetParam();
  int32_t id = Add({{"VarType", 8},
                    {"GUID", 700},
                    {"Text", " Flow\r\nrate "},
                    {"TouchOprndAddr", c.touch},
                    {"Dx", c.dx},
                    {"Dy", c.dy},
                    {"Binary", R"({"GetMask": "99.9", "GetUnitsText": "mm"})"}});
  project.Compiler().CompileHmiElement(id);
  if (c.fits) {
    EXPECT_TRUE(project.Messages().messages.empty());
    EXPECT_NE(project.UnitHex(700), "");
    return;
  }
  ASSERT_EQ(project.Messages().messages.size(), 1u);
  const RecordedMessage& m = project.Messages().messages[0];
  EXPECT_EQ(m.severity, 0);
  EXPECT_EQ(m.location, "Setup");
  EXPECT_EQ(m.displayId, display);
  EXPECT_EQ(m.message, " Flow\r\nrate  is too small to fit text inside. Please resize it to solve the problem.");
  EXPECT_EQ(project.Compiler().ErrorCount(), 1);
  EXPECT_EQ(project.UnitHex(700), "");
  EXPECT_EQ(project.IsCompiled(700), 0);
}

INSTANTIATE_TEST_SUITE_P(Frames, NumericFit, ::testing::ValuesIn(kFits),
                         [](const auto& info) { return std::string(info.param.name); });

// In a font of the Hebrew character set, units and labels go in display order; their length
// bytes count the characters as stored.
TEST_F(ValueProject, HebrewUnitsAndLabelsInDisplayOrder) {
  project.SetSetting("CodePage", 1255);
  AddTestFont(project, {.number = 5, .charset = 177});      // index 2
  const char* shalom = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D";  // stored order: F9 EC E5 ED
  std::string blob = std::string(R"({"GetMask": "9", "GetUnitsText": ")") + shalom + R"("})";
  std::string display = KindBytes(Add({{"VarType", 8}, {"FontNumber", 5}, {"Binary", blob}}));
  EXPECT_EQ(display.substr(66 * 3), "04 ed e5 ec f9");
  std::string entry = KindBytes(
      Add({{"VarType", 8}, {"TouchOprndAddr", -2}, {"Text", shalom}, {"DescriptionFontNumber", 5}, {"Binary", "{}"}}));
  EXPECT_EQ(entry.substr(0, 26), "45 4e 02 06 ed e5 ec f9 ff");
}

}  // namespace
}  // namespace brisklet::test
