// The SQL texts of the element compilers as named constants, from the list elements/Queries.def.
#pragma once

namespace brisklet {

#define QUERY(name, text, sample) inline constexpr char name[] = text;
#define QUERY_PART QUERY
#include "elements/Queries.def"
#undef QUERY_PART
#undef QUERY

}  // namespace brisklet
