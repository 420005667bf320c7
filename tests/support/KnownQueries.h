// Every SQL text the compiler runs, from the lists of the layers (*/Queries.def), with the
// sample numbers put where the code appends its numbers.
#pragma once
#include <string>
#include <vector>

namespace brisklet::test {

struct KnownQuery {
  std::string name;  // layer and constant: "Checks_TouchVsSwitch" for kSqlTouchVsSwitch
  std::string sql;
  bool recordset;  // opened as a recordset (the other texts are run by the connection itself)
};

const std::vector<KnownQuery>& KnownQueries();

}  // namespace brisklet::test
