// The check table against the project schema and the rule list: a check kept between compiles
// reads only tables whose changes the project tracks, and rule numbers are unique.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "checks/CheckTable.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

// Every table a kept check's texts name is one of its tables, and each of its tables has
// triggers on insert, update and delete: otherwise an edit there would leave its findings stale.
TEST(CheckTable, KeptChecksReadOnlyTrackedTables) {
  TestProject project;
  std::vector<std::string> schemaTables =
      project.Texts("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'Compile%'");
  for (const CheckRow& check : CheckTable()) {
    if (check.keptBy == KeptBy::kNothing) continue;
    std::string tables = std::string(" ") + check.tables + " ";
    std::string texts = OwnText(check) + " " + (check.walk ? ChangedRowsText(check) : "");
    for (const std::string& table : schemaTables) {
      if (std::regex_search(texts, std::regex("\\b" + table + "\\b", std::regex::icase))) {
        EXPECT_NE(tables.find(" " + table + " "), std::string::npos) << check.rule.name << " reads " << table;
      }
    }
    std::istringstream names(check.tables);
    for (std::string table; names >> table;) {
      for (const char* event : {"INSERT", "UPDATE", "DELETE"}) {
        EXPECT_EQ(project
                      .Texts("SELECT name FROM sqlite_master WHERE type = 'trigger' AND tbl_name = '" + table +
                             "' AND name LIKE 'CompileTrack%' AND sql LIKE '%AFTER " + event + "%'")
                      .size(),
                  1u)
            << check.rule.name << " reads " << table << ", whose " << event << " is not tracked";
      }
    }
  }
}

// Rules are numbered 0, 1, 2, ... across the checks and the compilers' list, each number once.
TEST(CheckTable, RuleNumbersAreUniqueAndWithoutGaps) {
  std::vector<RuleText> rules = AllRules();
  for (size_t i = 0; i < rules.size(); ++i) EXPECT_EQ(rules[i].number, static_cast<int32_t>(i)) << rules[i].name;
}

}  // namespace
}  // namespace brisklet::test
