// Which numbers of a statement text become bound parameters, and which stay in the text.
#include <gtest/gtest.h>

#include "database/LiteralParameters.h"

namespace brisklet::test {
namespace {

struct LiteralCase {
  const char* name;
  const char* sql;
  const char* text;             // the text with the numbers taken out
  std::vector<int64_t> values;  // the numbers, in order
};

// clang-format off
const LiteralCase kCases[] = {
  // The appended numbers of the compilers' queries.
  {"AppendedId", "SELECT * FROM HMI_Elements WHERE HMI_Elements.ID=17",
   "SELECT * FROM HMI_Elements WHERE HMI_Elements.ID=?", {17}},
  {"InsideParentheses", "SELECT * FROM HMIJumps Where (((HMIJumps.PageNum) = 5)) ORDER BY HMIJumps.JumpType",
   "SELECT * FROM HMIJumps Where (((HMIJumps.PageNum) = ?)) ORDER BY HMIJumps.JumpType", {5}},
  {"TwoNumbers", "SELECT COUNT(*) AS ElementsCount FROM HMI_Elements WHERE DisplayID=3 AND TabIndex<>255",
   "SELECT COUNT(*) AS ElementsCount FROM HMI_Elements WHERE DisplayID=? AND TabIndex<>?", {3, 255}},
  {"Update", "UPDATE DownloadDLUs SET IsCompiled=0 WHERE Guid=1042",
   "UPDATE DownloadDLUs SET IsCompiled=? WHERE Guid=?", {0, 1042}},
  {"UpdateMixedCase", "Update DownloadDLUs Set IsCompiled=0 Where GUID=-7",
   "Update DownloadDLUs Set IsCompiled=? Where GUID=?", {0, -7}},
  {"EveryComparison", "DELETE FROM t WHERE a>=10 AND b<=-2 AND c<4 AND d>5 AND e!=6 AND f==7",
   "DELETE FROM t WHERE a>=? AND b<=? AND c<? AND d>? AND e!=? AND f==?", {10, -2, 4, 5, 6, 7}},
  // A minus sign belongs to the number right of a comparison, blanks or not.
  {"MinusAfterBlanks", "SELECT a FROM t WHERE x <> -1 And x <> -2", "SELECT a FROM t WHERE x <> ? And x <> ?", {-1, -2}},
  {"MinusWithoutBlanks", "SELECT a FROM t WHERE x<>-1", "SELECT a FROM t WHERE x<>?", {-1}},
  {"Lowest64Bit", "SELECT a FROM t WHERE x = -9223372036854775808", "SELECT a FROM t WHERE x = ?", {INT64_MIN}},
  // Arithmetic stays: the numbers are not right of a comparison.
  {"ArithmeticInAJoin", "SELECT * FROM Trends LEFT JOIN Curves ON (Curves.CurveID<=Trends.TrendID*8) AND "
   "(Curves.CurveID>=(Trends.TrendID-1)*8+1) Order By TrendID", "SELECT * FROM Trends LEFT JOIN Curves ON "
   "(Curves.CurveID<=Trends.TrendID*8) AND (Curves.CurveID>=(Trends.TrendID-1)*8+1) Order By TrendID", {}},
  {"ArithmeticOnAColumn", "SELECT a FROM t WHERE x = y - 1", "SELECT a FROM t WHERE x = y - 1", {}},
  {"ArithmeticOnANumber", "SELECT a FROM t WHERE x = 5 - 1", "SELECT a FROM t WHERE x = ? - 1", {5}},
  // Numbers that are not plain integers, names with digits, quoted numbers, shifts.
  {"NotPlainIntegers", "SELECT a FROM t WHERE x=5.5 AND y=1e3 AND z=0x1F",
   "SELECT a FROM t WHERE x=5.5 AND y=1e3 AND z=0x1F", {}},
  {"NameWithDigits", "SELECT HMI1.ID FROM t AS HMI1 WHERE HMI1.Type=5",
   "SELECT HMI1.ID FROM t AS HMI1 WHERE HMI1.Type=?", {5}},
  {"Quoted", "SELECT a FROM t WHERE n='x=5' AND \"y=6\"=7", "SELECT a FROM t WHERE n='x=5' AND \"y=6\"=?", {7}},
  {"QuotedQuote", "SELECT a FROM t WHERE x = 'it''s = 3' AND y = 4",
   "SELECT a FROM t WHERE x = 'it''s = 3' AND y = ?", {4}},
  {"Shifts", "SELECT a FROM t WHERE x << 2 = 8 AND y >> 1 > 3", "SELECT a FROM t WHERE x << 2 = ? AND y >> 1 > ?",
   {8, 3}},
  {"Past64Bits", "SELECT a FROM t WHERE x = 99999999999999999999",
   "SELECT a FROM t WHERE x = 99999999999999999999", {}},
  // The select list names the result columns: it stays, and so does a query without FROM.
  {"SelectList", "SELECT a=1, b<>2 FROM t WHERE c=3", "SELECT a=1, b<>2 FROM t WHERE c=?", {3}},
  {"NoFrom", "SELECT 1=1", "SELECT 1=1", {}},
  {"SubqueryInWhere", "SELECT COUNT(*) FROM t WHERE (SELECT 1 FROM u WHERE u.a=2)",
   "SELECT COUNT(*) FROM t WHERE (SELECT 1 FROM u WHERE u.a=2)", {}},
  // Texts with parameters or comments of their own, and other statements, stay whole.
  {"OwnParameter", "SELECT a FROM t WHERE x=? AND y=3", "SELECT a FROM t WHERE x=? AND y=3", {}},
  {"NamedParameter", "SELECT a FROM t WHERE x=:x AND y=3", "SELECT a FROM t WHERE x=:x AND y=3", {}},
  {"Comment", "SELECT a FROM t WHERE y=3 -- three", "SELECT a FROM t WHERE y=3 -- three", {}},
  {"DollarParameter", "SELECT a FROM t WHERE x=$x AND y=3", "SELECT a FROM t WHERE x=$x AND y=3", {}},
  {"Script", "UPDATE t SET a=1; UPDATE u SET b=2", "UPDATE t SET a=1; UPDATE u SET b=2", {}},
  {"InsertSelect", "INSERT INTO t(a) SELECT b FROM u WHERE c=1", "INSERT INTO t(a) SELECT b FROM u WHERE c=1", {}},
  {"NoComparison", "SELECT a FROM t", "SELECT a FROM t", {}},
  {"Empty", "", "", {}},
};
// clang-format on

class TakingOutLiterals : public ::testing::TestWithParam<LiteralCase> {};

TEST_P(TakingOutLiterals, GivesTheShapeAndTheNumbers) {
  LiteralParameters p = TakeOutLiterals(GetParam().sql);
  EXPECT_EQ(p.text, GetParam().text);
  EXPECT_EQ(p.values, GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(Texts, TakingOutLiterals, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brisklet::test
