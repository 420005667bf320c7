// Statement texts and what the recordset layer does to make a compile fast, which must not show
// in its results: every SQL text the compiler runs (the lists of the layers, */Queries.def)
// opens on a new project and returns the same rows, in the same order, as plain SQLite gives
// for the text as it stands on the tables without the indexes added for the checks; texts that
// differ only in their numbers each get their own rows; fields come back as they were stored.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "ProjectGenerator.h"
#include "checks/CheckTable.h"
#include "database/LiteralParameters.h"
#include "database/Recordset.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

struct KnownQuery {
  std::string name;  // layer and constant: "Checks_TouchVsSwitch" for kSqlTouchVsSwitch
  std::string sql;   // with the sample numbers where the code appends its numbers
  bool recordset;    // opened as a recordset (the others are run by the connection itself)
};

std::vector<KnownQuery> KnownQueries() {
  std::vector<KnownQuery> out;
  std::string layer;
  bool recordset = false;
#define QUERY(name, text, sample) \
  out.push_back({layer + std::string(#name).substr(4), std::string(text) + sample, recordset});
#define QUERY_PART(name, text, sample) out.back().sql += std::string(text) + sample;
  layer = "Database_";
#include "database/Queries.def"
  layer = "Host_";
#include "host/Queries.def"
  layer = "Decoding_";
#include "decoding/Queries.def"
  layer = "Preview_";
#include "preview/Queries.def"
  recordset = true;
  layer = "Encoding_";
#include "encoding/Queries.def"
  layer = "Elements_";
#include "elements/Queries.def"
  layer = "Displays_";
#include "displays/Queries.def"
  layer = "Checks_";
#include "checks/Queries.def"
  layer = "Component_";
#include "component/Queries.def"
#undef QUERY_PART
#undef QUERY
  for (const CheckRow& check : CheckTable()) {  // and the texts the check table makes
    std::string name = std::string("Checks_") + check.rule.name;
    if (*check.from) out.push_back({name, OwnText(check), true});
    if (*check.keys) out.push_back({name + "Changed", ChangedRowsText(check), true});
    if (*check.keys) out.push_back({name + "All", AllRowsText(check), true});
  }
  return out;
}

class KnownQueryTexts : public ::testing::TestWithParam<KnownQuery> {};

TEST_P(KnownQueryTexts, OpenOnANewProject) {
  TestProject project;
  // Action statements are prepared only: they need their parameters, or a savepoint.
  if (GetParam().recordset && GetParam().sql.starts_with("SELECT")) {
    EXPECT_NO_THROW(Recordset(project.Db(), GetParam().sql, 0, 1)) << GetParam().sql;
  } else {
    EXPECT_NO_THROW(project.Db().Prepared(GetParam().sql)) << GetParam().sql;
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, KnownQueryTexts, ::testing::ValuesIn(KnownQueries()),
                         [](const auto& info) { return info.param.name; });

// The constants of all layers share one namespace: two texts of one name would be one inline
// variable with two definitions, and the linker would keep either.
TEST(KnownQueryNames, AreUniqueAcrossLayers) {
  std::map<std::string, std::string> seen;
  for (const KnownQuery& q : KnownQueries()) {
    std::string name = q.name.substr(q.name.find('_') + 1);
    auto [it, added] = seen.emplace(name, q.name);
    EXPECT_TRUE(added) << q.name << " and " << it->second;
  }
}

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

TEST(RecordsetStorage, EveryKindOfValueComesBackAsStored) {
  TestProject project;
  const Bytes blob = {0x00, 0xFF, 0x80, 0x7F};
  // clang-format off
  const std::vector<Value> values = {Value(int64_t{0}), Value(int64_t{-1}), Value(int64_t{127}), Value(int64_t{128}),
      Value(INT64_MIN), Value(INT64_MAX), Value(1.5), Value(-0.25), Value("Motor"), Value(""), Value("ü€ 漢"),
      Value(blob), Value()};
  // clang-format on
  for (size_t i = 0; i < values.size(); ++i) {
    project.Insert("ProjectSettings", {{"Name", std::string("v") + std::to_string(i + 10)}, {"Value", values[i]}});
  }
  project.Db().Execute("INSERT INTO ProjectSettings(Name, Value) VALUES('v99', X'')");  // an empty blob
  Recordset rs(project.Db(), "SELECT Name, Value FROM ProjectSettings ORDER BY Name", kStatic, kOptimistic);
  ASSERT_EQ(rs.RecordCount(), static_cast<int>(values.size()) + 1);
  for (const Value& expected : values) {
    EXPECT_EQ(rs.Field("Value"), expected) << rs.Str("Name");
    rs.MoveNext();
  }
  EXPECT_EQ(rs.Field("Value"), Value(Bytes{}));
  rs.MoveNext();
  EXPECT_TRUE(rs.Eof());
}

TEST(RecordsetStorage, AFieldSetStaysSetWhenTheCursorComesBack) {
  TestProject project;
  project.AddModule("Main");
  project.AddDisplay({{"Id", 1}, {"ModuleID", 1}, {"Description", "One"}});
  project.AddDisplay({{"Id", 2}, {"ModuleID", 1}, {"Description", "Two"}});
  Recordset rs(project.Db(), "SELECT * FROM Pages ORDER BY Id", kForwardOnly, kOptimistic);
  rs.SetField("ColorBack", Value(int64_t{42}));
  EXPECT_EQ(rs.Long("ColorBack"), 42);
  rs.MoveNext();
  EXPECT_EQ(rs.Long("ColorBack"), 0);
  EXPECT_EQ(rs.Str("Description"), "Two");
  rs.MoveFirst();
  EXPECT_EQ(rs.Long("ColorBack"), 42);
  EXPECT_EQ(rs.Str("Description"), "One");
}

TEST(SharedStatements, TextsThatDifferInTheirNumbersEachGetTheirOwnRows) {
  TestProject project;
  project.AddModule("Main");
  for (int id = 1; id <= 3; ++id) {
    project.AddDisplay({{"Id", id}, {"ModuleID", 1}, {"Description", std::string("Display ") + std::to_string(id)}});
  }
  auto description = [&](int id) {
    Recordset rs(project.Db(), std::string("SELECT * FROM Pages WHERE Pages.Id=") + std::to_string(id), kForwardOnly,
                 kReadOnly);
    return rs.Eof() ? std::string("none") : rs.Str("Description");
  };
  // The first text of its shape, the second (the shape is shared from now on), the first again.
  EXPECT_EQ(description(1), "Display 1");
  EXPECT_EQ(description(2), "Display 2");
  EXPECT_EQ(description(1), "Display 1");
  EXPECT_EQ(description(3), "Display 3");
  EXPECT_EQ(description(-1), "none");
  // The same for action statements.
  for (int id = 1; id <= 3; ++id) {
    project.Db().Execute("UPDATE Pages SET ColorBack=" + std::to_string(10 * id) + " WHERE Id=" + std::to_string(id));
  }
  EXPECT_EQ(project.Column("SELECT ColorBack FROM Pages ORDER BY Id"), (std::vector<int64_t>{10, 20, 30}));
}

// The indexes that the schema holds for the project checks and the pending items.
const char* kCheckIndexes[] = {"HMI_ElementsTooSmallFor3D",  "HMI_ElementsTouchAndHide", "HMI_ElementsSmallTrends",
                               "HMI_ElementsWithFonts",      "HMI_ElementsInTabOrder",   "HMI_ElementsTouching",
                               "HMI_ElementsByDisplayTouch", "HMI_ElementsSwitches",     "HMI_ElementsVariableNames",
                               "HMI_ElementsDrawingOrder",   "DownloadDLUsPending"};

using Rows = std::vector<std::vector<std::string>>;

// The column names, then the rows (byte arrays as "x" and hex) of a statement ready to step.
Rows Walk(sqlite3_stmt* stmt, std::vector<std::string> names) {
  Rows rows{names};
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    std::vector<std::string> row;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
      Value v = ColumnValue(stmt, i);
      row.push_back(v.IsBytes() ? "x" + Hex(v.ToBytes()) : v.IsNull() ? "NULL" : v.SqlText());
    }
    rows.push_back(row);
  }
  return rows;
}

// The rows of a text as it stands, prepared afresh.
Rows PlainRows(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  std::vector<std::string> names;
  for (int i = 0; i < sqlite3_column_count(stmt); ++i) names.push_back(ToLower(sqlite3_column_name(stmt, i)));
  Rows rows = Walk(stmt, names);
  sqlite3_finalize(stmt);
  return rows;
}

// The rows of a text as the recordsets open it.
Rows SharedRows(Connection& conn, const std::string& sql) {
  Connection::BoundText statement = conn.TextStatement(sql);
  std::vector<std::string> names;
  for (int i = 0; i < statement.columns->Count(); ++i) names.push_back(statement.columns->At(i).reported);
  Rows rows = Walk(statement.stmt, names);
  sqlite3_reset(statement.stmt);
  return rows;
}

// The same text with other numbers where the shape has parameters.
std::string OtherNumbers(const std::string& sql) {
  LiteralParameters p = TakeOutLiterals(sql);
  std::string out;
  size_t k = 0;
  for (char c : p.text) out += c == '?' && k < p.values.size() ? std::to_string(p.values[k++] + 1) : std::string(1, c);
  return out;
}

// A generated project plus rows whose order only the plans decide: equal drawing orders and
// tab indexes, names that differ in case, several findings of each check, in ID orders that
// differ from every index's order.
class QueryResults : public ::testing::Test {
 protected:
  QueryResults() : project(TestProject::EmptyFile{TempPath("results.db")}) {
    GenerateProject(project.Db(), {4, 40, 3});
    project.Db().BeginTransaction();
    int id = 1000;
    auto element = [&](Columns c) {
      c.push_back({"ID", ++id});
      c.push_back({"GUID", 50000 + id});
      project.Insert("HMI_Elements", c);
      project.Insert("DownloadDLUs", {{"Guid", 50000 + id}, {"IsCompiled", id % 2}});
    };
    for (int display : {1, 2}) {
      for (int k = 0; k < 4; ++k) {
        std::string n = std::to_string(k);
        // clang-format off
        element({{"DisplayID", display}, {"Type", 12}, {"ORDERINDEX", 7}, {"TabIndex", 9 - k},
                 {"TouchOprndAddr", 300 + k}});
        element({{"DisplayID", display}, {"Type", 1}, {"ORDERINDEX", 7}, {"TabIndex", 20 - k},
                 {"TouchOprndAddr", 310 - k}});
        element({{"DisplayID", display}, {"Type", 5}, {"VarType", 8}, {"ORDERINDEX", 7}, {"TabIndex", 30 - k},
                 {"Text", k % 2 ? "Motor" : "MOTOR"}});
        element({{"DisplayID", display}, {"Type", 1}, {"Flat3D", 3 - 2 * (k % 2)}, {"Dx", 8 - k}, {"Dy", 20},
                 {"Text", "Small " + n}});
        element({{"DisplayID", display}, {"Type", 4}, {"TouchOprndAddr", 400 - k}, {"VisibleOpAddr", 400 - k},
                 {"Text", "Hidden " + n}, {"FontNumber", 9}});
        element({{"DisplayID", display}, {"Type", 5}, {"VarType", 23 + 4 * (k % 2)}, {"Dx", 10}, {"Dy", 10},
                 {"Text", std::string(1, static_cast<char>('Z' - k))}});
        element({{"DisplayID", display}, {"Type", 5}, {"VarType", 1 + k % 2}, {"VarOprndType", 1},
                 {"VarOprndAddr", 300 + k % 2}, {"TabIndex", 40 - k}, {"Binary", k == 1 ? "{\"IsSwitch\": true}" : ""}});
        // clang-format on
      }
    }
    project.Db().Commit();
    std::filesystem::remove(TempPath("plain.db"));
    project.Db().Execute("VACUUM INTO '" + TempPath("plain.db") + "'");
    EXPECT_EQ(sqlite3_open(TempPath("plain.db").c_str(), &plain), SQLITE_OK);
    for (const char* index : kCheckIndexes) {
      std::string drop = std::string("DROP INDEX ") + index;
      EXPECT_EQ(sqlite3_exec(plain, drop.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << index;
    }
  }
  ~QueryResults() override {
    sqlite3_close(plain);
    std::filesystem::remove(TempPath("plain.db"));
  }
  TestProject project;
  sqlite3* plain = nullptr;
};

TEST_F(QueryResults, EveryKnownQueryGivesThePlainRowsInThePlainOrder) {
  for (const KnownQuery& q : KnownQueries()) {
    const std::string& sql = q.sql;
    if (!q.recordset || (sql.rfind("SELECT", 0) != 0 && sql.rfind("Select", 0) != 0)) continue;
    std::string other = OtherNumbers(sql);
    Rows expected = PlainRows(plain, sql);
    Rows expectedOther = PlainRows(plain, other);
    // First alone, then with a sibling of its shape before and after it.
    EXPECT_EQ(SharedRows(project.Db(), sql), expected) << q.name << ": " << sql;
    EXPECT_EQ(SharedRows(project.Db(), other), expectedOther) << q.name << ": " << other;
    EXPECT_EQ(SharedRows(project.Db(), sql), expected) << q.name << " again: " << sql;
  }
}

}  // namespace
}  // namespace brisklet::test
