// The layout of a project database: every table and column that the compilers, the
// checks and the host-side services read or write.
#pragma once
#include <string_view>

namespace brisklet {

// The whole CREATE script of a new project database (tables, indexes), run as one exec.
std::string_view ProjectSchemaSql();

}  // namespace brisklet
