// The number the tests of "LN", "EN", "NR" and "ER" share, and its expected bytes: the
// numeric body is built once for all four, so it is written down once here.
#pragma once
#include <string>

#include "support/KindFixture.h"

namespace brisklet::test {

// Format code 3, mask 99.9, units "mm", mode 1, value operand 1 = MI 100; sample "-99.9 mm".
inline std::string Blob(const std::string& more = "") {
  return R"({"GetFormatCode": 3, "GetMask": "99.9", "GetUnitsText": "mm", "GetModeCode": 1, )"
         R"("GetOperand1Type": 2, "GetOperand1Addr": 100)" +
         (more.empty() ? "" : ", " + more) + "}";
}

// clang-format off
inline const std::string kHead = Hx({"01 00  03  00  da 07 00 00  // font index 1, format 3, text at (10, 20)",
                                     "00  01  02 01  20  00  01   // no flag E, units, 2.1 digits, units flag, mode 1"});
inline const std::string kDisplayMiddle = Hx({"00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"});
inline const std::string kEntryMiddle = Hx({"2a  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  // *, no entry operands"});
inline const std::string kOperands = Hx({"02 00 64 00 00 00 00 00  00 00 00 00 00 00 00 00  // MI 100, none",
                                         "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"});
inline const std::string kEntryCount = Hx({"01 00 02 04 00 00 00 00 00 00 00 00  // count 0 made 1, code 4"});
// Linked units "bar" after their length and two zeros: text 5 of the text table, or text operand MI 40.
inline const std::string kBarFromTextTable = Hx({"02  01 00  09  01 00  00  da 07 00 00  05 00  // colour 9",
                                                 "da 07 00 00  da 07 00 00  // one anchor per text"});
inline const std::string kBarFromOperand = Hx({"03  02 00 28 00 00 00 00 00  01 00  03  01 00  00  da 07 00 00  28 00"});
inline const std::string kBarFromTextTableBlob = R"("IsUnitsLinked": -1, "GetUnitsSource": {"GetSourceText": "bar", )"
                                                 R"("GetSourceOperandAddr": 5, "GetSourceColor": 9})";
inline const std::string kBarFromOperandBlob = R"("IsUnitsLinked": -1, "GetUnitsSource": {"GetSourceText": "bar", )"
                                               R"("GetSourceOperandType": 2, "GetSourceOperandAddr": 40, "GetSourceColor": 9})";
// clang-format on

}  // namespace brisklet::test
