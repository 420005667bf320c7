// The SQL texts of the host services as named constants, from the list host/Queries.def.
#pragma once

namespace brisklet {

#define QUERY(name, text, sample) inline constexpr char name[] = text;
#define QUERY_PART QUERY
#include "host/Queries.def"
#undef QUERY_PART
#undef QUERY

}  // namespace brisklet
