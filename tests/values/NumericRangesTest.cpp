// Numbers with colour ranges "NR" / "ER": the body of "LN" / "EN" under their own tag, their
// own units layout, and the range table.
#include <gtest/gtest.h>

#include "values/NumericSamples.h"
#include "values/ValueProject.h"

namespace brisklet::test {
namespace {

// Range 1: MI 10 to MI 11, code 1, colour 4; range 2: the constants -100 to 0, code 2,
// colour 20; range 3: all zero.
const std::string kThreeRanges =
    R"("GetRangeCount": 3, "GetRange": [)"
    R"({"GetLimit1Type": 2, "GetLimit1Addr": 10, "GetLimit2Type": 2, "GetLimit2Addr": 11, "GetRangeCode": 1, )"
    R"("GetRangeColor": 4}, )"
    R"({"GetLimit1Type": 34, "GetLimit1Addr": -100, "GetLimit2Type": 34, "GetLimit2Addr": 0, "GetRangeCode": 2, )"
    R"("GetRangeColor": 20}, {}])";
const std::string kDefaultEntry =
    Hx({"00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  03  00  0f  0f  // format 3, ColorBack 15, companion 15"});

struct RecordCase {
  const char* name;
  Columns columns;
  std::string expected;
};

const RecordCase kRecords[] = {
    {"DisplayFixedUnitsThreeRanges",
     {{"Binary", Blob(kThreeRanges)}},
     Join({"4e 52", kHead, kDisplayMiddle, kOperands, Hx({"03 6d 6d  // U = Len + 1, odd: no pad"}),
           Hx({"03 00  // three ranges"}), kDefaultEntry,
           Hx({"02 00 0a 00 00 00 00 00  02 00 0b 00 00 00 00 00  01  00  04  0c  // MI 10 to MI 11, colour 4",
               "22 00 9c ff ff ff 00 00  22 00 00 00 00 00 00 00  02  00  14  3f  // -100 to 0, colour 20",
               "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00  00  00  08  // zero range"})})},
    {"DisplayUnitsFromOperand",
     {{"Binary", Blob(kBarFromOperandBlob)}},
     Join({"4e 52", kHead, kDisplayMiddle, kOperands, Hx({"17 00 00  // U = block + 11"}), kBarFromOperand, "00 00",
           kDefaultEntry})},
    {"EntryUnitsFromTextTable",
     {{"TouchOprndAddr", -2},
      {"Text", "Flow"},
      {"DescriptionFontNumber", 1},
      {"Binary", Blob(kBarFromTextTableBlob + R"(, "GetEntryCode": 4)")}},
     Join({Hx({"45 52  01  06  46 6c 6f 77  ff  // label Flow"}), kEntryCount, kHead, kEntryMiddle, kOperands,
           Hx({"17 00 00  // U = block + 3"}), kBarFromTextTable, "00 00", kDefaultEntry})},
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

class RangeRecord : public ValueProject, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(RangeRecord, KindBytes) {
  AddTexts(2);
  Columns columns = GetParam().columns;
  columns.push_back({"VarType", 29});
  EXPECT_EQ(KindBytes(Add(columns)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Variants, RangeRecord, ::testing::ValuesIn(kRecords),
                         [](const auto& info) { return std::string(info.param.name); });

// The units block and range table of "NR" at their limits: the kind bytes from the units
// length (offset 66) to the end, or the run-time error's text.
struct TailCase {
  const char* name;
  std::string blob;
  Columns columns;
  std::string tail;
};

const std::string kDefault = "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  00 00  0f 0f";  // format 0, ColorBack 15
const std::string kOneRange = R"("GetRange": [{"GetRangeCode": 255, "GetRangeColor": 255}])";
const std::string kRangeAtLimits = "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  ff 00  ff ff";

const TailCase kTails[] = {
    {"NoUnits", "{}", {}, "01  00 00  " + kDefault},
    {"UnitsOf1CharacterPadded", R"({"GetUnitsText": "m"})", {}, "03 6d 00  00 00  " + kDefault},
    {"UnitsOf2Characters", R"({"GetUnitsText": "mm"})", {}, "03 6d 6d  00 00  " + kDefault},
    {"UnitsOf3CharactersPadded", R"({"GetUnitsText": "mmm"})", {}, "05 6d 6d 6d 00  00 00  " + kDefault},
    {"UnitsOf254Characters", R"({"GetUnitsText": ")" + std::string(254, 'm') + R"("})", {{"FontNumber", 0}}, "ff"},
    {"UnitsOf255Characters",
     R"({"GetUnitsText": ")" + std::string(255, 'm') + R"("})",
     {{"FontNumber", 0}},
     "Overflow"},
    {"BackColour255",
     "{}",
     {{"ColorBack", 255}},
     "01  00 00  00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  00 00 ff ff"},
    {"BackColourMinus1", "{}", {{"ColorBack", -1}}, "Overflow"},
    {"RangeAtItsLimits",
     R"({"GetRangeCount": 1, )" + kOneRange + "}",
     {},
     "01  01 00  " + kDefault + "  " + kRangeAtLimits},
    {"RangeCode256", R"({"GetRangeCount": 1, "GetRange": [{"GetRangeCode": 256}]})", {}, "Overflow"},
    {"RangeColourMinus1", R"({"GetRangeCount": 1, "GetRange": [{"GetRangeColor": -1}]})", {}, "Overflow"},
    {"NegativeCountKeepsItsLowBits", R"({"GetRangeCount": -1, )" + kOneRange + "}", {}, "01  ff ff  " + kDefault},
    {"CountBeyondTheRanges", R"({"GetRangeCount": 2, )" + kOneRange + "}", {}, "Invalid property data"},
};

void PrintTo(const TailCase& c, std::ostream* os) { *os << c.name; }

class RangeTail : public ValueProject, public ::testing::WithParamInterface<TailCase> {};

TEST_P(RangeTail, UnitsAndRanges) {
  const TailCase& c = GetParam();
  Columns columns = c.columns;
  columns.push_back({"VarType", 29});
  columns.push_back({"Binary", c.blob});
  std::string bytes = KindBytes(Add(columns));
  if (c.tail == "Overflow" || c.tail == "Invalid property data") {
    EXPECT_EQ(bytes, c.tail);
  } else if (c.tail == "ff") {  // only the units length matters
    EXPECT_EQ(bytes.substr(66 * 3, 2), "ff") << bytes;
  } else {
    ASSERT_GE(bytes.size(), 66u * 3) << bytes;
    EXPECT_EQ(bytes.substr(66 * 3), Hx({c.tail.c_str()}));
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, RangeTail, ::testing::ValuesIn(kTails),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brisklet::test
