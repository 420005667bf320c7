// Output files never land on the project: a path that names the project database, its journal
// or its WAL files (by another spelling, a symbolic or a hard link) is refused before anything
// is written.
#pragma once
#include <string>

namespace brisklet::cli {

// Throws a RuntimeError naming both paths when writing `output` would overwrite the project
// `project` or one of the files SQLite keeps beside it.
void RefuseProjectOutput(const std::string& output, const std::string& project);

}  // namespace brisklet::cli
