// The compile Brisklet runs as the host of the compiler: before CompileHMI it marks what the
// edits of any program changed (the edit log) and removes what deleted items left in the store;
// while it runs, each item's findings are kept and those of items it does not compile are told
// again; after it, the units of items that no longer compile are removed. So the store holds
// what a compile of every item would store, and the run reports what that compile would report.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "database/Value.h"

namespace brisklet {

class clsDownload;
class Connection;
class DefaultHost;

struct ProjectCompileOptions {
  bool rebuild = false;  // every item compiled, as if nothing were stored
};

// An element or display without a DownloadDLUs row, as the project holds it.
struct ItemWithoutRow {
  std::string kind;  // "element" or "display"
  Value id, guid;
};

// What the run did beside compiling.
struct ProjectCompileReport {
  std::vector<std::string> trackingProblems;     // found and repaired before the run
  std::string recompileReason;                   // why every item was compiled ("" when not)
  std::vector<int64_t> deletedItemGuids;         // units removed of items that no longer exist
  int64_t unitsWithoutItems = 0;                 // units removed of items without a bookkeeping row
  std::vector<ItemWithoutRow> itemsWithoutRows;  // never compiled
  int64_t staleUnitsRemoved = 0;                 // units of items that now fail or are skipped
};

class ProjectCompile {
 public:
  ProjectCompile(clsDownload& compiler, DefaultHost& host, Connection& conn);
  // The whole run in one transaction. A run-time failure part-way keeps what was done (as
  // CompileHMI does) and is thrown on.
  ProjectCompileReport Run(const ProjectCompileOptions& options = {});
  // What Run does before CompileHMI, alone and untold: the tracking repaired, the edits marked,
  // what deleted items left removed, in one transaction. On a private copy of the project it
  // shows what the next run would do (brisklet status).
  ProjectCompileReport PrepareOnly(const ProjectCompileOptions& options = {});

 private:
  void Prepare(const ProjectCompileOptions& options, ProjectCompileReport& report);
  bool HasEdits(const char* what);
  void MarkEdits(bool everything);
  // Looked for among the GUIDs the edit log names, or among all items when everything changed.
  void RemoveWhatDeletedItemsLeft(bool everything, ProjectCompileReport& report);
  void FindItemsWithoutBookkeeping(bool everything, ProjectCompileReport& report);
  // The notices of what Prepare found, in the order it found it.
  void Tell(const ProjectCompileReport& report);
  void Finish(ProjectCompileReport& report, const std::unordered_set<int64_t>& stored);
  std::string KeptText();

  clsDownload& mCompiler;
  DefaultHost& mHost;
  Connection& mConn;
};

}  // namespace brisklet
