// The SQL texts of the display records and the page table as named constants, from the list displays/Queries.def.
#pragma once

namespace brisklet {

#define QUERY(name, text, sample) inline constexpr char name[] = text;
#define QUERY_PART QUERY
#include "displays/Queries.def"
#undef QUERY_PART
#undef QUERY

}  // namespace brisklet
