// Numbers "LN" / "EN" as compiled kind bytes (behind the 90-byte header): each record variant
// whole, single fields at their limits, the Hebrew text rule and the fit error.
#include <gtest/gtest.h>

#include "support/KindFixture.h"
#include "values/NumericSamples.h"

namespace brisklet::test {
namespace {

const Columns kEntry = {{"VarType", 8}, {"TouchOprndAddr", -2}};
Columns Entry(const Columns& more) { return With(kEntry, more); }
Columns Number(const std::string& blob, const Columns& more = {}) { return Variable(8, blob, more); }
const std::string kLabelFromTable = Hx({"00 00  03  01 00  00  da 07 00 00  03 00  da 07 00 00  da 07 00 00"});

// clang-format off
const KindCase kRecords[] = {
  {"DisplayFixedUnits", Number(Blob()), Join({"4c 4e", kHead, kDisplayMiddle, kOperands, "02 6d 6d"})},
  {"AlternateVarTypeSameBytes", {{"VarType", 13}, {"Binary", Blob()}}, Join({"4c 4e", kHead, kDisplayMiddle, kOperands, "02 6d 6d"})},
  {"DisplayNoSignNoUnits", Number(R"({"GetMask": "9999.99", "GetFlagC": true})"),
   Hx({"4c 4e  01 00 00 00 da 07 00 00  00 00 04 02 08 00 00  // 4.2 digits, flag C",
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00",
       "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00  // U 0: 67 bytes"})},
  {"DisplayUnitsFromTextTable", Number(Blob(kBarFromTextTableBlob)),
   Join({"4c 4e", kHead, kDisplayMiddle, kOperands, "16 00 00", kBarFromTextTable})},  // U = block + 2
  {"DisplayUnitsFromOperand", Number(Blob(kBarFromOperandBlob)),
   Join({"4c 4e", kHead, kDisplayMiddle, kOperands, "16 00 00", kBarFromOperand})},  // U = block + 10
  {"EntryTextLabel", Entry({{"Text", "Flow"}, {"DescriptionFontNumber", 1},
                            {"Binary", Blob(R"("GetEntryCode": 4, "GetEntryOperand1Type": 2, "GetEntryOperand1Addr": 7)")}}),
   Join({Hx({"45 4e  01  06  46 6c 6f 77  ff  // label font 1, L 6: Flow and a pad"}), kEntryCount, kHead,
         Hx({"2a  02 00 07 00 00 00 00 00  00 00 00 00 00 00 00 00  // *, entry operands MI 7, none"}), kOperands, "02 6d 6d"})},
  {"EntryLabelFromTextTable", Entry({{"StorageText", 1}, {"StrStorageOprndAddr", 3}, {"StrStorageFont", 7},
                                     {"Binary", Blob(R"("GetEntryCode": 4)")}}),
   Join({Hx({"45 4e  00  16  00 02  // no label font, L = block + 2, font 7, text 3"}), kLabelFromTable, kEntryCount,
         kHead, kEntryMiddle, kOperands, "02 6d 6d"})},
  {"EntryLabelFromOperand", Entry({{"StorageText", 1}, {"StrStorageOprndType", 2}, {"StrStorageOprndAddr", 3},
                                   {"StrStorageFont", 7}, {"Binary", Blob(R"("GetEntryCode": 4)")}}),
   Join({Hx({"45 4e  00  16  00 03  02 00 03 00 00 00 00 00  // L = block + 10, MI 3",
             "01 00  03  01 00  00  da 07 00 00  03 00  // in the element's font 1"}),
         kEntryCount, kHead, kEntryMiddle, kOperands, "02 6d 6d"})},
};

// Offsets in "LN": 2 font, 4 format, 6 text position, 10 flag E, 11 has units, 12-13 digits,
// 14 flags, 16 mode, 66 units length; "EN" with the label "Speed" has its main block at 21.
const Columns kWideFrame = {{"Dx", 4000}};  // room for the longest text
const Columns kRight = {{"Alignment", 2}};    // anchor (70, 20): the sample ends there
const KindCase kFields[] = {
  {"MaskWithoutPoint", Number(R"({"GetMask": "999"})"), "03 00", 12},
  {"MaskPointFirst", Number(R"({"GetMask": ".5"})"), "00 01", 12},
  {"MaskOf300DigitsKeepsTheLowByte", Number(R"({"GetMask": ")" + std::string(300, '9') + R"(.99"})", kWideFrame), "2c 02", 12},
  {"UnknownFontIndexIsZero", Number("{}", {{"FontNumber", 99}}), "00 00", 2},
  {"FormatCode255", Number(R"({"GetFormatCode": 255})"), "ff", 4},
  {"FormatCode256", Number(R"({"GetFormatCode": 256})"), "Overflow"},
  {"ModeCode2", Number(R"({"GetModeCode": 2})"), "02", 16},
  {"ModeCode3LeavesZero", Number(R"({"GetModeCode": 3})"), "00", 16},
  {"ModeCodeMinus1LeavesZero", Number(R"({"GetModeCode": -1})"), "00", 16},
  {"StyleMinus1", Number(R"({"GetStyleCode": -1})"), "01", 14},
  {"Style2", Number(R"({"GetStyleCode": 2})"), "40", 14},
  {"FlagsAToE", Number(R"({"GetFlagA": true, "GetFlagB": true, "GetFlagC": true, "GetFlagD": true, "GetFlagE": true})"),
   "01 00 00 00 1e", 10},
  {"UnitsLinkedByOneHasUnitsButNoFlag",
   Number(R"({"GetMask": "9", "IsUnitsLinked": 1, "GetUnitsSource": {"GetSourceText": "bar", "GetSourceOperandType": 2}})"),
   "01 01 00 00", 11},
  {"UnitsSourceWithoutText", Number(R"({"IsUnitsLinked": -1, "GetUnitsSource": {"GetSourceOperandType": 2}})"), "00 00 00 00", 11},
  {"UnitsOf255Characters", Number(R"({"GetUnitsText": ")" + std::string(255, 'm') + R"("})", kWideFrame), "ff 6d", 66},
  {"UnitsOf256Characters", Number(R"({"GetUnitsText": ")" + std::string(256, 'm') + R"("})", kWideFrame), "Overflow"},
  {"SampleWithSign", Number(R"({"GetMask": "99.9", "GetUnitsText": "mm"})", kRight), "e6 07 00 00", 6},  // 48 wide
  {"NoSignWithFlagC", Number(R"({"GetMask": "99.9", "GetUnitsText": "mm", "GetFlagC": true})", kRight), "ec 07 00 00", 6},
  {"NoSignWithFlagD", Number(R"({"GetMask": "99.9", "GetUnitsText": "mm", "GetFlagD": true})", kRight), "ec 07 00 00", 6},
  {"EntryWithFlagCMeasuresUnitsAlone", Entry({{"Alignment", 2},
                                              {"Binary", R"({"GetMask": "99.9", "GetUnitsText": "mm", "GetFlagC": true})"}}),
   "0a 08 00 00", 25},  // 12 wide
  {"EntryWithFlagCAndNoUnitsMeasuresTheMask", Entry({{"Alignment", 2}, {"Binary", R"({"GetMask": "99.9", "GetFlagC": true})"}}),
   "fe 07 00 00", 25},  // 24 wide
  {"EntryLabelOf5Characters", Entry({}), "45 4e 00 06 53 70 65 65 64 01", 0},
  {"EntryLabelEmpty", Entry({{"Text", ""}}), "45 4e 00 02 ff 01 00 02", 0},
  {"EntryLabelOf253Characters", Entry({{"Text", std::string(253, 'a')}}), "fe 61", 3},
  {"EntryLabelOf254Characters", Entry({{"Text", std::string(254, 'a')}}), "Overflow"},
  {"EntryLabelUnknownFont", Entry({{"DescriptionFontNumber", 99}}), "00", 2},
  {"EntryCount255", Entry({{"Binary", R"({"GetEntryCount": 255, "GetEntryCode": 255})"}}), "ff 00 02 ff 00", 9},
  {"EntryCount256", Entry({{"Binary", R"({"GetEntryCount": 256})"}}), "Overflow"},
  {"EntryCodeMinus1", Entry({{"Binary", R"({"GetEntryCode": -1})"}}), "Overflow"},
};
// clang-format on

class NumericRecord : public KindBytesTest {};
TEST_P(NumericRecord, KindBytes) { ExpectKindBytes(); }
INSTANTIATE_TEST_SUITE_P(Variants, NumericRecord, ::testing::ValuesIn(kRecords), ByName());

class NumericField : public KindBytesTest {};
TEST_P(NumericField, AtItsLimit) { ExpectKindBytes(); }
INSTANTIATE_TEST_SUITE_P(Limits, NumericField, ::testing::ValuesIn(kFields), ByName());

// The sample "-99.9 mm" is 48 x 10 pixels in font 1: a frame of exactly that size holds it,
// one pixel less in either direction is an error, of the display and the entry form alike.
struct FitCase {
  const char* name;
  int32_t touch, dx, dy;
  bool fits;
};
const FitCase kFits[] = {{"DisplayExact", -1, 48, 10, true},
                         {"DisplayNarrower", -1, 47, 10, false},
                         {"DisplayLower", -1, 48, 9, false},
                         {"EntryExact", -2, 48, 10, true},
                         {"EntryNarrower", -2, 47, 10, false}};

class NumericFit : public ValueProject, public ::testing::WithParamInterface<FitCase> {};

TEST_P(NumericFit, FrameAgainstTheSampleText) {
  const FitCase& c = GetParam();
  project.Compiler().CompileHmiElement(Add(
      Number(R"({"GetMask": "99.9", "GetUnitsText": "mm"})",
             {{"GUID", 700}, {"Text", " Flow\r\nrate "}, {"TouchOprndAddr", c.touch}, {"Dx", c.dx}, {"Dy", c.dy}})));
  if (c.fits) {
    EXPECT_TRUE(project.Messages().messages.empty());
    EXPECT_NE(project.UnitHex(700), "");
    return;
  }
  ASSERT_EQ(project.Messages().messages.size(), 1u);
  const RecordedMessage& m = project.Messages().messages[0];
  EXPECT_EQ(std::make_tuple(m.severity, m.location, m.displayId), std::make_tuple(0, std::string("Setup"), display));
  EXPECT_EQ(m.message, " Flow\r\nrate  is too small to fit text inside. Please resize it to solve the problem.");
  EXPECT_EQ(project.UnitHex(700), "");
  EXPECT_EQ(project.IsCompiled(700), 0);
}

INSTANTIATE_TEST_SUITE_P(Frames, NumericFit, ::testing::ValuesIn(kFits), ByName());

// In a font of the Hebrew character set, units and labels go in display order; their length
// bytes count the characters as stored.
TEST_F(ValueProject, HebrewUnitsAndLabelsInDisplayOrder) {
  project.SetSetting("CodePage", 1255);
  AddTestFont(project, {.number = 5, .charset = 177});            // index 2
  const std::string shalom = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D";  // stored: F9 EC E5 ED
  std::string units =
      KindBytes(Add(Number(R"({"GetMask": "9", "GetUnitsText": ")" + shalom + R"("})", {{"FontNumber", 5}})));
  EXPECT_EQ(units.substr(66 * 3), "04 ed e5 ec f9");
  std::string label = KindBytes(Add(Entry({{"Text", shalom}, {"DescriptionFontNumber", 5}})));
  EXPECT_EQ(label.substr(0, 26), "45 4e 02 06 ed e5 ec f9 ff");
}

}  // namespace
}  // namespace brisklet::test
