// The upgrade steps of a project database, in one place. A project records in
// PRAGMA user_version how many steps it has had; a new project has them all, and a project
// made by an earlier version gains the rest on its first compile.
#pragma once
#include <string_view>

namespace brisklet {

class Connection;

// The number of upgrade steps a current project has had.
int ProjectSchemaVersion();
// Runs the steps a project lacks, in order, and records its new version. Run it inside the
// caller's transaction, so that a failed step leaves the project as it was.
void UpgradeProject(Connection& conn);
// The version a project records (0 for one made before versions were recorded).
int ProjectVersionOf(Connection& conn);

}  // namespace brisklet
