// What the next `brisklet compile` of a project would do, found on a private copy of it: the
// items it compiles and why, what it removes, the findings it tells again without compiling;
// and, when asked, the stored units a compile of every item from scratch would make otherwise.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "KeptFindings.h"
#include "component/ProjectCompile.h"
#include "database/Value.h"

namespace brisklet {
class Connection;
class DefaultHost;
}  // namespace brisklet

namespace brisklet::cli {

// Why an item is pending, in the order the summary counts them.
inline constexpr const char* kPendingReasons[] = {"everything", "edited", "unit missing", "had findings", "not stored"};

struct PendingItem {
  std::string item;  // "element" or "display"
  Value id, guid, displayId;
  std::string reason;  // one of kPendingReasons
};

// A display with pending items (itself or its elements) or kept findings.
struct DisplayStatus {
  Value id, guid, name;
  int64_t pending = 0, kept = 0;
};

// A stored unit that is not what a compile from scratch stores.
struct StaleUnit {
  int64_t guid = 0;
  std::string item;  // "element", "display" or "" when no item has its GUID
  Value id;
  std::string change;    // "differs", "missing" (not stored) or "extra" (stored, not made)
  bool pending = false;  // the next compile compiles its item again
  bool removed = false;  // the next compile removes it (its item is gone or has no DownloadDLUs row)
};

struct ProjectStatus {
  ProjectCompileReport prepared;                // what the next compile does before it compiles
  std::vector<PendingItem> pending;             // by display, the display first, then by GUID
  std::vector<DisplayStatus> displays;          // by ID
  std::vector<KeptFinding> kept;                // what the next compile tells again of items it does not compile
  Value lastCompile;                            // Null: never
  std::optional<std::vector<StaleUnit>> stale;  // with verify, by GUID
  int64_t unitsCompared = 0;                    // with verify: the units of either store
};

// Runs the compile's preparation on `conn`, which must be a private copy of the project (and,
// with `verify`, a compile of every item). Notices of that compile are dropped.
ProjectStatus ReadProjectStatus(DefaultHost& host, clsDownload& compiler, Connection& conn, bool verify);

}  // namespace brisklet::cli
