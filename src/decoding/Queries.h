// The SQL texts of the decoder's readers of the project as named constants, from the list
// decoding/Queries.def.
#pragma once

namespace brisklet {

#define QUERY(name, text, sample) inline constexpr char name[] = text;
#define QUERY_PART QUERY
#include "decoding/Queries.def"
#undef QUERY_PART
#undef QUERY

}  // namespace brisklet
