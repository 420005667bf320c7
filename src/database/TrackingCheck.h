// Whether a project's own objects (the change tracking, the edit log, the indexes of the
// compiler's queries) are as this version makes them, and their repair; the text of a schema
// by which a compile sees that another program changed it.
#pragma once
#include <string>
#include <vector>

namespace brisklet {

class Connection;

// What is missing or altered among the project's own objects, one line each ("trigger
// CompileLogPagesUPDATE is missing"); empty when all are as they should be. Objects found as
// this build of Brisklet last noted them sound are not compared again (making the objects of a
// new project to compare with costs more than a small compile).
std::vector<std::string> TrackingProblems(Connection& conn);
// Notes the project's own objects, found or made sound, for the next TrackingProblems.
void NoteTrackingSound(Connection& conn);
// Makes the project's own objects as they should be again: altered ones are dropped, missing
// ones created (a tracking table made again starts empty). Run it in the caller's transaction.
void RepairTracking(Connection& conn);
// Every table, index and trigger of the project as SQLite keeps them, in name order.
std::string SchemaText(Connection& conn);
// The indexes on the project's tables that are not the project's own ("HMI_ElementsByName").
std::vector<std::string> ForeignIndexes(Connection& conn);

}  // namespace brisklet
