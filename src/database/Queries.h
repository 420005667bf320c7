// The SQL texts of the connection itself as named constants, from the list database/Queries.def.
#pragma once

namespace brisklet {

#define QUERY(name, text, sample) inline constexpr char name[] = text;
#define QUERY_PART QUERY
#include "database/Queries.def"
#undef QUERY_PART
#undef QUERY

}  // namespace brisklet
