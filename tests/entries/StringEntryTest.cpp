// String entries "LO" / "EO" (VarType 16) and "LU" / "EU" (VarType 19): each record variant
// whole, fields at their limits, and the fit error that says where the element stands.
#include <gtest/gtest.h>

#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

Columns Entry(int32_t varType, const std::string& blob, Columns more = {}) {
  more.push_back({"VarType", varType});
  more.push_back({"Binary", blob});
  return more;
}
const std::string kBlob = R"({"EntryStyle": 5, "DisplayStyle": 2, "DisplayOption": 3, "ModeKind": 2, )"
                          R"("TextSource": {"SampleText": "ABC"}})";
Columns Typed(int32_t varType, Columns more) { return Entry(varType, kBlob, std::move(more)); }
// Font 1, style 2, "ABC" at (10, 20), option 3, mode code 2.
const std::string kDisplay = Hx({"01 00  02  00  da 07 00 00  03  02"});
const std::string kCount = Hx({"01 00 02 05 00 00 00 00 00 00 00 00  // count 1, entry style 5"});
const Columns kTouch = {{"TouchOprndAddr", -2}, {"DescriptionFontNumber", 1}};
Columns Touch(Columns more) {
  more.insert(more.begin(), kTouch.begin(), kTouch.end());
  return more;
}

// clang-format off
const KindCase kRecords[] = {
  {"DisplayLO", Typed(16, {}), "4c 4f " + kDisplay},
  {"DisplayLU", Typed(19, {}), "4c 55 " + kDisplay},
  {"EntryFixedLabel", Typed(16, Touch({{"Text", "ABC"}})), Hx({"45 4f  01  04  41 42 43 00  // ABC, end, no pad"}) + " " + kCount + " " + kDisplay},
  {"EntryFixedLabelPadded", Typed(19, Touch({{"Text", "AB"}})), Hx({"45 55  01  04  41 42 00 ff  // AB, end, pad"}) + " " + kCount + " " + kDisplay},
  {"EntryLabelFromTextTable", Typed(16, Touch({{"StorageText", 1}, {"StrStorageOprndAddr", 3}, {"StrStorageFont", 7}})),
   Hx({"45 4f  01  16  00 02  00 00  03  01 00  00  da 07 00 00  03 00  da 07 00 00  da 07 00 00  // font 7, text 3"}) + " " +
       kCount + " " + kDisplay},
  {"EntryLabelFromOperand", Typed(16, Touch({{"StorageText", 1}, {"StrStorageOprndType", 2}, {"StrStorageOprndAddr", 3}})),
   Hx({"45 4f  01  16  00 03  02 00 03 00 00 00 00 00  01 00  03  01 00  00  da 07 00 00  03 00  // MI 3, font 1"}) + " " +
       kCount + " " + kDisplay},
};

// Offsets in "LO": 2 font, 4 display style, 10 display option, 11 mode code.
const KindCase kFields[] = {
  {"ModeKind1Variant2", Entry(16, R"({"ModeKind": 1, "ModeVariant": 2})"), "01", 11},
  {"ModeKind1Variant1", Entry(16, R"({"ModeKind": 1, "ModeVariant": 1})"), "00", 11},
  {"ModeKind2AnyVariant", Entry(16, R"({"ModeKind": 2, "ModeVariant": 9})"), "02", 11},
  {"ModeKind3", Entry(16, R"({"ModeKind": 3, "ModeVariant": 2})"), "00", 11},
  {"UnknownFont", Entry(16, "{}", {{"FontNumber", 99}}), "00 00", 2},
  {"DisplayStyle255", Entry(19, R"({"DisplayStyle": 255})"), "ff", 4},
  {"DisplayStyle256", Entry(19, R"({"DisplayStyle": 256})"), "Overflow"},
  {"DisplayOption255", Entry(16, R"({"DisplayOption": 255})"), "ff", 10},
  {"DisplayOptionMinus1", Entry(16, R"({"DisplayOption": -1})"), "Overflow"},
  {"EntryStyle256", Entry(16, R"({"EntryStyle": 256})", kTouch), "Overflow"},
  {"LabelOf253Characters", Entry(16, "{}", Touch({{"Text", std::string(253, 'a')}})), "fe", 3},
  {"LabelOf254Characters", Entry(16, "{}", Touch({{"Text", std::string(254, 'a')}})), "Overflow"},
  {"TouchPlainHasNoEntryPart", Entry(16, "{}", {{"TouchOprndAddr", 4}}), "4c 4f", 0},
};
// clang-format on

class StringEntryRecord : public KindBytesTest {};
TEST_P(StringEntryRecord, KindBytes) { ExpectKindBytes(); }
INSTANTIATE_TEST_SUITE_P(Variants, StringEntryRecord, ::testing::ValuesIn(kRecords), ByName());
INSTANTIATE_TEST_SUITE_P(Limits, StringEntryRecord, ::testing::ValuesIn(kFields), ByName());

// The sample "ABCDEFGHIJ" is 60 pixels wide in font 1: a frame of 59 is too small; the
// message names the module and display the element stands on.
TEST_F(ValueProject, StringEntryTooSmallSaysWhere) {
  int32_t fits = Add(Entry(16, R"({"TextSource": {"SampleText": "ABCDEFGHIJ"}})", {{"GUID", 910}}));
  int32_t small = Add(Entry(19, R"({"TextSource": {"SampleText": "ABCDEFGHIJ"}})", {{"GUID", 911}, {"Dx", 59}}));
  project.Compiler().CompileHmiElement(fits);
  project.Compiler().CompileHmiElement(small);
  ASSERT_EQ(project.Messages().messages.size(), 1u);
  const RecordedMessage& m = project.Messages().messages[0];
  EXPECT_EQ(std::make_tuple(m.severity, m.location, m.displayId), std::make_tuple(0, std::string("Setup"), display));
  EXPECT_EQ(
      m.message,
      "Speed on Module: Main, Display: Setup is too small to fit text inside. Please resize it to solve the problem.");
  EXPECT_NE(project.UnitHex(910), "");
  EXPECT_EQ(project.UnitHex(911), "");
  EXPECT_EQ(project.IsCompiled(911), 0);
}

}  // namespace
}  // namespace brisklet::test
