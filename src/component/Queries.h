// The SQL texts of the compile pipeline as named constants, from the list component/Queries.def.
#pragma once

namespace brisklet {

#define QUERY(name, text, sample) inline constexpr char name[] = text;
#define QUERY_PART QUERY
#include "component/Queries.def"
#undef QUERY_PART
#undef QUERY

}  // namespace brisklet
