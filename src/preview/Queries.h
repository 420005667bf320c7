// The SQL texts of the preview as named constants, from the list preview/Queries.def.
#pragma once

namespace brisklet {

#define QUERY(name, text, sample) inline constexpr char name[] = text;
#define QUERY_PART QUERY
#include "preview/Queries.def"
#undef QUERY_PART
#undef QUERY

}  // namespace brisklet
