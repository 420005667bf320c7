// The lists of the layers, read into one table.
#include "support/KnownQueries.h"

namespace brisklet::test {

const std::vector<KnownQuery>& KnownQueries() {
  static const std::vector<KnownQuery> all = [] {
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
    return out;
  }();
  return all;
}

}  // namespace brisklet::test
