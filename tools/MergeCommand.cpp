// brisklet merge BASE OURS THEIRS: the three-way merge git runs on a project database (%O %A %B).
// Exit 0 with the merged design written into OURS, 1 on conflicts (OURS left as it was), 2 on
// bad input.
#include <iostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "database/ProjectUpgrades.h"
#include "database/Queries.h"
#include "textproject/DesignMerge.h"
#include "textproject/DesignRows.h"

namespace brisklet::cli {
namespace {

struct MergeOptions {
  std::string base, ours, theirs;
  int busyTimeout = 5;
};

OpenOptions Opening(const MergeOptions& m, bool snapshot) {
  OpenOptions open;
  open.snapshot = snapshot;
  open.busyTimeoutSeconds = m.busyTimeout;
  open.waiting = [](const std::string& text) { std::cerr << "brisklet: " << text << std::endl; };
  return open;
}

// A project's design, read from a private copy brought to the current schema.
DesignModel DesignOf(const std::string& path, const MergeOptions& m, std::unique_ptr<Connection>* keep = nullptr) {
  std::unique_ptr<Connection> conn = Connection::Open(path, Opening(m, true));
  UpgradeProject(*conn);
  DesignModel design = ReadDesign(*conn);
  if (keep) *keep = std::move(conn);
  return design;
}

// Displays and elements the merge brought in from theirs are compiled as theirs were: they get
// the bookkeeping row theirs gave them.
void BookArrivals(Connection& ours, const DesignModel& before, const DesignModel& merged, Connection& theirs) {
  for (const char* name : {"Pages", "HMI_Elements"}) {
    const DesignTable& table = merged.Table(name);
    const auto& had = before.Table(name).rows;
    size_t guidColumn = table.ColumnIndex("GUID");
    for (const auto& [key, row] : table.rows) {
      const Value& guid = row[guidColumn];
      if (had.count(key) || guid.IsNull() || !theirs.QueryValue("SELECT 1 FROM DownloadDLUs WHERE Guid = ?", {guid})) {
        continue;
      }
      ours.Execute("INSERT OR IGNORE INTO DownloadDLUs(Guid, IsCompiled) VALUES(?, 0)", {guid});
    }
  }
}

// Writes the merged design into OURS in one transaction; the rows it changed.
size_t WriteMerged(const MergeOptions& m, const DesignModel& ours, const DesignModel& merged, Connection& theirs) {
  std::unique_ptr<Connection> conn = Connection::Open(m.ours, Opening(m, false));
  conn->BeginTransaction();
  try {
    UpgradeProject(*conn);
    ApplyCounts counts = ApplyDesign(*conn, merged, DesignScope::Everything());
    BookArrivals(*conn, ours, merged, theirs);
    conn->Commit();
    return counts.Changes();
  } catch (...) {
    conn->Execute(kSqlRollback);
    throw;
  }
}

int Merge(const MergeOptions& m) {
  return ExitCodeOf([&m] {
    std::unique_ptr<Connection> theirsConn;
    DesignModel base = DesignOf(m.base, m);
    DesignModel ours = DesignOf(m.ours, m);
    DesignModel theirs = DesignOf(m.theirs, m, &theirsConn);
    DesignMerge merge = MergeDesigns(base, ours, theirs);
    if (!merge.conflicts.empty()) {
      for (const MergeConflict& c : merge.conflicts) std::cerr << "conflict: " << c.Text() << '\n';
      std::cerr << "brisklet: " << merge.conflicts.size() << (merge.conflicts.size() == 1 ? " conflict" : " conflicts")
                << ", " << m.ours << " left as it was\n";
      return 1;
    }
    base = theirs = DesignModel();  // what the write no longer needs
    size_t rows = merge.merged == ours ? 0 : WriteMerged(m, ours, merge.merged, *theirsConn);
    std::cerr << "merged: " << rows << (rows == 1 ? " row" : " rows") << " from theirs\n";
    return 0;
  });
}

}  // namespace

void AddMergeCommand(CLI::App& app, int& exitCode) {
  static MergeOptions merge;
  auto* cmd = app.add_subcommand(
      "merge", "Merge THEIRS into OURS against their common BASE, as a git merge driver (exit 1 on conflicts)");
  cmd->add_option("BASE", merge.base, "The project database both sides started from")->required();
  cmd->add_option("OURS", merge.ours, "Our project database, which receives the merge")->required();
  cmd->add_option("THEIRS", merge.theirs, "Their project database")->required();
  cmd->add_option("--busy-timeout", merge.busyTimeout, "Seconds to wait for another program's lock on a project")
      ->check(CLI::Range(0, 86400));
  cmd->callback([&exitCode] { exitCode = Merge(merge); });
}

}  // namespace brisklet::cli
