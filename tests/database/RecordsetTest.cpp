// Recordsets as the compilers use them: fields found by the names the queries give them, the
// walk over an empty result, RecordCount of static cursors, and the checked conversions of field values (32-bit,
// 16-bit, byte and text, at and past their limits, from numbers, numeric text and Null), and
// every kind of value coming back as it was stored.
#include <gtest/gtest.h>

#include <functional>

#include "base/RuntimeError.h"
#include "checks/Queries.h"
#include "database/Connection.h"
#include "database/Recordset.h"
#include "displays/Queries.h"
#include "elements/Queries.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {
// Module 7 "Main" holds display 3 "Setup"; module 9 "Spare" holds no display. Element 1
// (a picture button) and element 2 (a text button) stand on displays 3 and 4. Trend 1 owns
// curve 1, trend 2 has no curve.
class FieldLookup : public ::testing::Test {
 protected:
  FieldLookup() {
    project.AddModule("Main", 7);
    project.AddModule("Spare", 9);
    project.AddDisplay({{"Id", 3}, {"GUID", 300}, {"ModuleID", 7}, {"Description", "Setup"}});
    project.AddDisplay({{"Id", 4}, {"GUID", 400}, {"ModuleID", 7}, {"Description", "Alarms"}});
    project.AddElement({{"ID", 1}, {"GUID", 1001}, {"DisplayID", 3}, {"Type", 5}, {"VarType", 1}, {"Text", "Start"}});
    project.AddElement({{"ID", 2}, {"GUID", 1002}, {"DisplayID", 4}, {"Type", 5}, {"VarType", 2}, {"Text", "Stop"}});
    project.Insert("Trends", {{"TrendID", 1}, {"Name", "Oven"}});
    project.Insert("Trends", {{"TrendID", 2}, {"Name", "Line"}});
    project.Insert("Curves", {{"CurveID", 1}});
  }
  TestProject project;
};

struct Lookup {
  std::string sql;
  std::vector<std::pair<const char*, const char*>> fields;  // name, value's text on the first row
};

// Every field read has a value that is unique in the project, so a field found in the wrong
// column shows as a wrong value.
const Lookup kLookups[] = {
    // A self-join: HMI1's own column, and the columns only HMI2.* brings.
    {"SELECT HMI1.DisplayID, HMI1.TouchOprndAddr AS TouchOPR, HMI2.*FROM HMI_Elements AS HMI1 INNER JOIN "
     "HMI_Elements AS HMI2 ON HMI1.ID<>HMI2.ID WHERE HMI1.ID=1",
     {{"HMI1.DisplayID", "3"}, {"VarType", "2"}, {"GUID", "1002"}, {"TouchOPR", "-1"}}},
    // A column named by its table, where the other table of the join has no such column.
    {kSqlTrendsTree, {{"Trends.Name", "Oven"}, {"TrendID", "1"}, {"CurveID", "1"}}},
    // Inside a parenthesised join SQLite reports Pages.ModuleID as "ModuleID:1"; names in any case.
    {"SELECT DispModules.ModuleName, Pages.Description, Pages.ModuleID,pages.ID, HMI_Elements.Text FROM "
     "HMI_Elements INNER JOIN (DispModules INNER JOIN Pages ON DispModules.ModuleId = Pages.ModuleID) ON "
     "HMI_Elements.DisplayID = Pages.Id WHERE HMI_Elements.ID=1",
     // clang-format off
     {{"ModuleID", "7"}, {"Pages.Id", "3"}, {"pages.ID", "3"}, {"id", "3"}, {"MODULENAME", "Main"},
      {"Description", "Setup"}, {"HMI_Elements.Text", "Start"}}},
    // clang-format on
    // The two ModuleIDs of such a join told apart by their tables.
    {"SELECT DispModules.ModuleID, Pages.ModuleID FROM HMI_Elements INNER JOIN (DispModules INNER JOIN Pages ON "
     "DispModules.ModuleId <> Pages.ModuleID) ON HMI_Elements.DisplayID = Pages.Id WHERE HMI_Elements.ID=1",
     {{"Pages.ModuleID", "7"}, {"DispModules.ModuleID", "9"}}},
    // The element query: the element's own columns next to its display's, and the aliases.
    {kSqlElementRow + std::string("2"),
     {{"ID", "2"}, {"DisplayName", "Alarms"}, {"variableguid", "1002"}, {"ModuleID", "7"}}},
    // The display query: Pages.* next to the palette's GUID and a background image it lacks.
    {kSqlDisplayRow + std::string("4"),
     {{"PaletteGUID", "500"}, {"PageGUID", "400"}, {"Id", "4"}, {"BkImageCRC", "Null"}}},
};

TEST_F(FieldLookup, FindsEachFieldByTheNameTheQueryGivesIt) {
  for (const Lookup& c : kLookups) {
    Recordset rs(project.Db(), c.sql, kForwardOnly, kOptimistic);
    ASSERT_FALSE(rs.Eof()) << c.sql;
    for (const auto& [field, expected] : c.fields) {
      EXPECT_EQ(rs.Field(field).SqlText(), expected) << field << " of " << c.sql;
    }
  }
}

TEST_F(FieldLookup, AnUnknownFieldIsAnError) {
  Recordset rs(project.Db(), "SELECT * FROM Trends LEFT JOIN Curves ON Curves.CurveID=Trends.TrendID", 0, 3);
  for (const char* field : {"Trends.Nmae", "Description", "HMI1.DisplayID"}) {
    RuntimeError e = ErrorOf([&] { rs.Field(field); });
    EXPECT_EQ(e.Text(), "Item cannot be found in the collection corresponding to the requested name or ordinal");
    EXPECT_NE(e.Detail().find(field), std::string::npos) << e.Detail();
  }
}

// The error names the text as it ran, the bound value in place of its parameter.
TEST_F(FieldLookup, AnEmptyResultIsAtEofAndBofAtOnce) {
  for (int cursor : {kForwardOnly, kStatic}) {
    Recordset rs(project.Db(), "SELECT * FROM DispModules WHERE ModuleID=?", {Value(-5)}, cursor, kReadOnly);
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.Bof());
    EXPECT_EQ(ErrorOf([&] { rs.Field("ModuleName"); }).Detail(),
              "reading 'ModuleName' past the last row of: SELECT * FROM DispModules WHERE ModuleID=-5");
    EXPECT_THROW(rs.MoveNext(), RuntimeError);
  }
}

TEST_F(FieldLookup, WalkEndsAtEofAfterTheLastRow) {
  Recordset rs(project.Db(), "SELECT ModuleName FROM DispModules ORDER BY ModuleID", kForwardOnly, kReadOnly);
  std::vector<std::string> names;
  for (; !rs.Eof(); rs.MoveNext()) names.push_back(rs.Str("ModuleName"));
  EXPECT_EQ(names, (std::vector<std::string>{"Main", "Spare"}));
  EXPECT_FALSE(rs.Bof());
  rs.MoveFirst();
  EXPECT_EQ(rs.Str("ModuleName"), "Main");
}

TEST_F(FieldLookup, RecordCountOfAStaticCursorIsItsNumberOfRows) {
  const std::pair<const char*, int> cases[] = {
      {"SELECT * FROM HMI_Elements", 2},
      {"SELECT * FROM HMI_Elements WHERE ID=2", 1},
      {"SELECT * FROM HMI_Elements WHERE ID=5", 0},
      {"SELECT * FROM Trends LEFT JOIN Curves ON Curves.CurveID=Trends.TrendID", 2},
  };
  for (const auto& [sql, count] : cases) {
    EXPECT_EQ(Recordset(project.Db(), sql, kStatic, kReadOnly).RecordCount(), count) << sql;
    EXPECT_EQ(Recordset(project.Db(), sql, kStatic, kOptimistic).RecordCount(), count) << sql;
  }
}

TEST_F(FieldLookup, AReadOnlyRecordsetRefusesWrites) {
  Recordset rs(project.Db(), "SELECT * FROM HMI_Elements WHERE ID=1", kForwardOnly, kReadOnly);
  EXPECT_THROW(rs.SetField("TabIndex", 4), RuntimeError);
  EXPECT_EQ(project.Scalar("SELECT TabIndex FROM HMI_Elements WHERE ID=1").ToLong(), 255);
}

using Convert = std::function<std::string(const Value&)>;

const Convert kLong = [](const Value& v) { return std::to_string(v.ToLong("F")); };
const Convert kInteger = [](const Value& v) { return std::to_string(v.ToInteger("F")); };
const Convert kByte = [](const Value& v) { return std::to_string(v.ToByte("F")); };
const Convert kString = [](const Value& v) { return v.ToString("F"); };

struct Conversion {
  const char* name;
  Convert convert;
  Value value;
  const char* expected;  // the result, or the run-time error's text
};

const Conversion kConversions[] = {
    {"long max", kLong, int64_t{2147483647}, "2147483647"},
    {"long min", kLong, int64_t{-2147483647 - 1}, "-2147483648"},
    {"long past max", kLong, int64_t{2147483648}, "Overflow"},
    {"long past min", kLong, int64_t{-2147483649}, "Overflow"},
    {"long from a huge real", kLong, 1e300, "Overflow"},
    {"long rounds half to even", kLong, 2.5, "2"},
    {"long rounds half to even up", kLong, 3.5, "4"},
    {"long rounds a negative half", kLong, -2.5, "-2"},
    {"integer max", kInteger, 32767, "32767"},
    {"integer min", kInteger, -32768, "-32768"},
    {"integer past max", kInteger, 32768, "Overflow"},
    {"integer past min", kInteger, -32769, "Overflow"},
    {"byte max", kByte, 255, "255"},
    {"byte min", kByte, 0, "0"},
    {"byte past max", kByte, 256, "Overflow"},
    {"byte below zero", kByte, -1, "Overflow"},
    {"byte from a real rounding to 256", kByte, 255.5, "Overflow"},
    {"long from numeric text", kLong, "42", "42"},
    {"long from padded negative text", kLong, " -17 ", "-17"},
    {"long from real text", kLong, "2.5", "2"},
    {"long from text past max", kLong, "2147483648", "Overflow"},
    {"byte from text past max", kByte, "300", "Overflow"},
    {"long from words", kLong, "twelve", "Type mismatch"},
    {"long from empty text", kLong, "", "Type mismatch"},
    {"long from a byte array", kLong, Bytes{1, 2}, "Type mismatch"},
    {"long from Null", kLong, Value(), "Invalid use of Null"},
    {"integer from Null", kInteger, Value(), "Invalid use of Null"},
    {"byte from Null", kByte, Value(), "Invalid use of Null"},
    {"string from Null", kString, Value(), "Invalid use of Null"},
    {"string from a number", kString, int64_t{-12}, "-12"},
    {"string from a real", kString, 1.25, "1.25"},
    {"string from a whole real", kString, 3.0, "3"},
    {"string from text", kString, "Setup", "Setup"},
};

TEST(ValueConversion, ResultOrRunTimeError) {
  for (const Conversion& c : kConversions) {
    std::string got = "none";
    RuntimeError e = ErrorOf([&] { got = c.convert(c.value); });
    EXPECT_EQ(got == "none" ? e.Text() : got, c.expected) << c.name;
  }
}

// Through a recordset the error names the field that was read.
TEST(ValueConversion, ErrorOfAFieldNamesTheField) {
  TestProject project;
  project.Insert("Trends", {{"TrendID", 1}, {"Name", Value()}, {"HistoryPoints", int64_t{1} << 40}});
  Recordset rs(project.Db(), "SELECT * FROM Trends", kForwardOnly, kReadOnly);
  RuntimeError null = ErrorOf([&] { rs.Str("Name"); });
  EXPECT_EQ(null.Text(), "Invalid use of Null");
  EXPECT_NE(null.Detail().find("Name"), std::string::npos) << null.Detail();
  RuntimeError big = ErrorOf([&] { rs.Long("HistoryPoints"); });
  EXPECT_EQ(big.Text(), "Overflow");
  EXPECT_NE(big.Detail().find("HistoryPoints"), std::string::npos) << big.Detail();
}

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

// Texts with numbers appended each run once: the cache sweeps them out when it is full, but keeps
// a statement used again since the last sweep and one a caller is still stepping.
TEST(StatementCache, SweepsTextsThatRanOnceOnly) {
  TestProject project;
  for (int id = 1; id <= 3; ++id) project.Insert("Trends", {{"TrendID", id}});
  Connection& db = project.Db();
  const std::string hot = "SELECT * FROM Trends WHERE TrendID=?";
  sqlite3_stmt* walk = db.Prepared("SELECT TrendID FROM Trends ORDER BY TrendID");
  ASSERT_EQ(sqlite3_step(walk), SQLITE_ROW);
  for (int n = 0; n < 2000; ++n) {
    EXPECT_EQ(Recordset(db, "SELECT * FROM Trends WHERE TrendID=" + std::to_string(n), 0, 1).Eof(), n < 1 || n > 3);
    if (n % 100 == 0) {
      EXPECT_EQ(Recordset(db, hot, {Value(2)}).RecordCount(), 1);
    }
  }
  int open = 0;
  for (sqlite3_stmt* s = sqlite3_next_stmt(db.Handle(), nullptr); s; s = sqlite3_next_stmt(db.Handle(), s)) ++open;
  EXPECT_LE(open, 512);
  EXPECT_EQ(sqlite3_stmt_status(db.Prepared(hot), SQLITE_STMTSTATUS_RUN, 0), 20);  // one statement all along
  EXPECT_EQ(sqlite3_step(walk), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(walk, 0), 2);
}

}  // namespace
}  // namespace brisklet::test
