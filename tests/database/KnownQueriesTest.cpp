// The SQL texts the compiler runs (the lists of the layers, */Queries.def): each opens on a new
// project, and with its values bound to a cached statement returns the same rows, in the same
// order, as plain SQLite gives for the text with the numbers in it, on the tables without the
// indexes added for the checks; a statement used again with other values gives their rows.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "ProjectGenerator.h"
#include "checks/CheckTable.h"
#include "database/Recordset.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

struct KnownQuery {
  std::string name;             // layer and constant: "Checks_TouchVsSwitch" for kSqlTouchVsSwitch
  std::string sql;              // with a parameter where the code appends a value
  std::vector<int64_t> values;  // the samples, bound to those parameters
  bool recordset;               // opened as a recordset (the others are run by the connection itself)

  std::vector<Value> Params(int64_t added = 0) const {
    std::vector<Value> params;
    for (int64_t v : values) params.emplace_back(v + added);
    return params;
  }
};

void AddSample(KnownQuery& q, const std::string& sample) {
  if (sample.empty()) return;
  q.sql += "?";
  q.values.push_back(std::stoll(sample));
}

std::vector<KnownQuery> KnownQueries() {
  std::vector<KnownQuery> out;
  std::string layer;
  bool recordset = false;
#define QUERY(name, text, sample)                                             \
  out.push_back({layer + std::string(#name).substr(4), text, {}, recordset}); \
  AddSample(out.back(), sample);
#define QUERY_PART(name, text, sample) \
  out.back().sql += text;              \
  AddSample(out.back(), sample);
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
    if (*check.from) out.push_back({name, OwnText(check), {}, true});
    if (*check.keys) out.push_back({name + "Changed", ChangedRowsText(check), {}, true});
    if (*check.keys) out.push_back({name + "All", AllRowsText(check), {}, true});
  }
  return out;
}

class KnownQueryTexts : public ::testing::TestWithParam<KnownQuery> {};

TEST_P(KnownQueryTexts, OpenOnANewProject) {
  TestProject project;
  // Action statements are prepared only: they need their parameters, or a savepoint.
  if (GetParam().recordset && GetParam().sql.starts_with("SELECT")) {
    EXPECT_NO_THROW(Recordset(project.Db(), GetParam().sql, GetParam().Params(), 0, 1)) << GetParam().sql;
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

// The rows of a text as the recordsets open it, its values bound.
Rows BoundRows(Connection& conn, const std::string& sql, const std::vector<Value>& params) {
  Connection::Query query = conn.Opened(sql, params);
  std::vector<std::string> names;
  for (int i = 0; i < query.columns->Count(); ++i) names.push_back(query.columns->At(i).reported);
  Rows rows = Walk(query.stmt, names);
  sqlite3_reset(query.stmt);
  return rows;
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
    std::vector<Value> sample = q.Params(), other = q.Params(1);
    Rows expected = PlainRows(plain, WithValues(sql, sample));
    Rows expectedOther = PlainRows(plain, WithValues(sql, other));
    // The statement once, again with other values, and once more with the first.
    EXPECT_EQ(BoundRows(project.Db(), sql, sample), expected) << q.name << ": " << sql;
    EXPECT_EQ(BoundRows(project.Db(), sql, other), expectedOther) << q.name << " with other values: " << sql;
    EXPECT_EQ(BoundRows(project.Db(), sql, sample), expected) << q.name << " again: " << sql;
  }
}

}  // namespace
}  // namespace brisklet::test
