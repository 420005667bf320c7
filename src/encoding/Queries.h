// The SQL texts of the encoders' look-ups as named constants, from the list encoding/Queries.def.
#pragma once

namespace brisklet {

#define QUERY(name, text, sample) inline constexpr char name[] = text;
#define QUERY_PART QUERY
#include "encoding/Queries.def"
#undef QUERY_PART
#undef QUERY

}  // namespace brisklet
