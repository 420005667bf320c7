// The SQL texts of the design checks as named constants, from the list checks/Queries.def.
#pragma once

namespace brisklet {

#define QUERY(name, text, sample) inline constexpr char name[] = text;
#define QUERY_PART QUERY
#include "checks/Queries.def"
#undef QUERY_PART
#undef QUERY

}  // namespace brisklet
