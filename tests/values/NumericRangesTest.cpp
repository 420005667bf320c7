// Numbers with colour ranges "NR" / "ER": the body of "LN" / "EN" under their own tag, their
// own units layout, and the range table.
#include <gtest/gtest.h>

#include "support/KindFixture.h"
#include "values/NumericSamples.h"

namespace brisklet::test {
namespace {

Columns Ranged(const std::string& blob, const Columns& more = {}) { return Variable(29, blob, more); }

// clang-format off
// Range 1: MI 10 to MI 11, code 1, colour 4; range 2: the constants -100 to 0, code 2, colour 20; range 3: zero.
const std::string kThreeRanges = R"("GetRangeCount": 3, "GetRange": [)"
    R"({"GetLimit1Type": 2, "GetLimit1Addr": 10, "GetLimit2Type": 2, "GetLimit2Addr": 11, "GetRangeCode": 1, "GetRangeColor": 4}, )"
    R"({"GetLimit1Type": 34, "GetLimit1Addr": -100, "GetLimit2Type": 34, "GetRangeCode": 2, "GetRangeColor": 20}, {}])";
const std::string kDefault3 = Hx({"00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  03 00  0f 0f  // format 3, ColorBack 15 and companion"});
const std::string kDefault0 = "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  00 00  0f 0f";

const KindCase kRecords[] = {
  {"DisplayFixedUnitsThreeRanges", Ranged(Blob(kThreeRanges)),
   Join({"4e 52", kHead, kDisplayMiddle, kOperands, Hx({"03 6d 6d  // U = Len + 1, odd: no pad", "03 00  // ranges"}), kDefault3,
         Hx({"02 00 0a 00 00 00 00 00  02 00 0b 00 00 00 00 00  01 00  04 0c  // MI 10 to MI 11, colour 4",
             "22 00 9c ff ff ff 00 00  22 00 00 00 00 00 00 00  02 00  14 3f  // -100 to 0, colour 20",
             "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00 00  00 08  // zero range"})})},
  {"DisplayUnitsFromOperand", Ranged(Blob(kBarFromOperandBlob)),
   Join({"4e 52", kHead, kDisplayMiddle, kOperands, "17 00 00", kBarFromOperand, "00 00", kDefault3})},  // U = block + 11
  {"EntryUnitsFromTextTable", Ranged(Blob(kBarFromTextTableBlob + R"(, "GetEntryCode": 4)"),
                                     {{"TouchOprndAddr", -2}, {"Text", "Flow"}, {"DescriptionFontNumber", 1}}),
   Join({"45 52 01 06 46 6c 6f 77 ff", kEntryCount, kHead, kEntryMiddle, kOperands, "17 00 00", kBarFromTextTable,  // U = block + 3
         "00 00", kDefault3})},
};

// From the units length (offset 66) to the end.
const std::string kOneRange = R"("GetRange": [{"GetRangeCode": 255, "GetRangeColor": 255}])";
const KindCase kTails[] = {
  {"NoUnits", Ranged("{}"), Hx({"01  00 00", kDefault0.c_str()}), 66, true},
  {"UnitsOf1CharacterPadded", Ranged(R"({"GetUnitsText": "m"})"), Hx({"03 6d 00  00 00", kDefault0.c_str()}), 66, true},
  {"UnitsOf3CharactersPadded", Ranged(R"({"GetUnitsText": "mmm"})"), Hx({"05 6d 6d 6d 00  00 00", kDefault0.c_str()}), 66, true},
  {"UnitsOf254Characters", Ranged(R"({"GetUnitsText": ")" + std::string(254, 'm') + R"("})", {{"Dx", 4000}}), "ff 6d", 66},
  {"UnitsOf255Characters", Ranged(R"({"GetUnitsText": ")" + std::string(255, 'm') + R"("})", {{"Dx", 4000}}), "Overflow"},
  {"BackColour255", Ranged("{}", {{"ColorBack", 255}}), Hx({"01  00 00  00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  00 00 ff ff"}), 66, true},
  {"BackColourMinus1", Ranged("{}", {{"ColorBack", -1}}), "Overflow"},
  {"RangeAtItsLimits", Ranged(R"({"GetRangeCount": 1, )" + kOneRange + "}"),
   Hx({"01  01 00", kDefault0.c_str(), "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  ff 00  ff ff"}), 66, true},
  {"RangeCode256", Ranged(R"({"GetRangeCount": 1, "GetRange": [{"GetRangeCode": 256}]})"), "Overflow"},
  {"RangeColourMinus1", Ranged(R"({"GetRangeCount": 1, "GetRange": [{"GetRangeColor": -1}]})"), "Overflow"},
  {"NegativeCountKeepsItsLowBits", Ranged(R"({"GetRangeCount": -1, )" + kOneRange + "}"), Hx({"01  ff ff", kDefault0.c_str()}), 66, true},
  {"CountBeyondTheRanges", Ranged(R"({"GetRangeCount": 2, )" + kOneRange + "}"), "Invalid property data"},
};
// clang-format on

class RangeRecord : public KindBytesTest {};
TEST_P(RangeRecord, KindBytes) { ExpectKindBytes(); }
INSTANTIATE_TEST_SUITE_P(Variants, RangeRecord, ::testing::ValuesIn(kRecords), ByName());

class RangeTail : public KindBytesTest {};
TEST_P(RangeTail, UnitsAndRanges) { ExpectKindBytes(); }
INSTANTIATE_TEST_SUITE_P(Limits, RangeTail, ::testing::ValuesIn(kTails), ByName());

}  // namespace
}  // namespace brisklet::test
