// brisklet status: what the next compile would do (items pending and why, units it removes,
// findings it tells again), found on a private copy, as text or one JSON document; --verify
// also compares the store with a compile of every item from scratch.
#include <algorithm>
#include <nlohmann/json.hpp>

#include "CommandSupport.h"
#include "Commands.h"
#include "ProjectStatus.h"
#include "base/ByteWriter.h"

namespace brisklet::cli {
namespace {

using Json = nlohmann::ordered_json;

struct StatusOptions {
  Options project;
  bool verify = false;
};

// "1 item", "3 items".
std::string Count(size_t n, const std::string& one, const std::string& many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

size_t PendingFor(const ProjectStatus& s, const std::string& reason) {
  return std::count_if(s.pending.begin(), s.pending.end(), [&](const PendingItem& i) { return i.reason == reason; });
}

Json JsonOf(const Value& v) {
  if (v.IsNull()) return nullptr;
  if (const int64_t* n = v.IntegerPtr()) return *n;
  if (v.IsNumber()) return v.ToDouble();
  if (const Bytes* b = v.BytesPtr()) return ToHex(*b);
  return *v.TextPtr();
}

std::string Label(const std::string& item, const Value& id, const Value& guid) {
  return item + " " + id.SqlText() + " (GUID " + guid.SqlText() + ")";
}

std::string Summary(const ProjectStatus& s) {
  std::vector<std::string> parts;
  std::string reasons;
  for (const char* reason : kPendingReasons) {
    size_t n = PendingFor(s, reason);
    if (n > 0) reasons += (reasons.empty() ? "" : ", ") + std::to_string(n) + " " + reason;
  }
  parts.push_back(s.pending.empty() ? "nothing pending"
                                    : Count(s.pending.size(), "item", "items") + " pending (" + reasons + ")");
  const ProjectCompileReport& p = s.prepared;
  if (!p.deletedItemGuids.empty()) {
    parts.push_back(Count(p.deletedItemGuids.size(), "unit of a deleted item", "units of deleted items"));
  }
  if (p.unitsWithoutItems > 0) {
    parts.push_back(Count(p.unitsWithoutItems, "unit", "units") + " of items without a DownloadDLUs row");
  }
  if (!p.itemsWithoutRows.empty()) {
    parts.push_back(Count(p.itemsWithoutRows.size(), "item", "items") + " without a DownloadDLUs row");
  }
  std::string kept;
  for (const char* severity : {"error", "warning", "notice"}) {
    size_t n =
        std::count_if(s.kept.begin(), s.kept.end(), [&](const KeptFinding& f) { return f.severity == severity; });
    if (n > 0) kept += (kept.empty() ? "" : ", ") + Count(n, severity, std::string(severity) + "s");
  }
  if (!kept.empty()) parts.push_back(kept + " kept");
  parts.push_back("last compile " + (s.lastCompile.IsNull() ? std::string("never") : s.lastCompile.SqlText()));
  std::string line;
  for (const std::string& part : parts) line += (line.empty() ? "" : "; ") + part;
  return line;
}

void WriteText(std::ostream& out, const ProjectStatus& s) {
  out << Summary(s) << '\n';
  if (!s.prepared.recompileReason.empty())
    out << "every item is compiled again: " << s.prepared.recompileReason << '\n';
  for (const DisplayStatus& d : s.displays) {
    out << "display " << d.id.SqlText() << " (" << (d.name.IsNull() ? "" : d.name.SqlText()) << "): " << d.pending
        << " pending, " << Count(d.kept, "finding", "findings") << " kept\n";
  }
  for (const PendingItem& i : s.pending) {
    out << "pending: " << Label(i.item, i.id, i.guid)
        << (i.item == "element" ? " on display " + i.displayId.SqlText() : "") << ": " << i.reason << '\n';
  }
  for (int64_t guid : s.prepared.deletedItemGuids) {
    out << "removed: unit " << guid << " (no element or display has its GUID)\n";
  }
  for (const ItemWithoutRow& i : s.prepared.itemsWithoutRows) {
    out << "no DownloadDLUs row: " << Label(i.kind, i.id, i.guid) << " is never compiled\n";
  }
  for (const KeptFinding& f : s.kept) {
    out << "kept: " << f.item << ' ' << f.itemId.SqlText() << " (GUID " << f.guid << ") " << f.severity << ": "
        << OneLine(f.message) << '\n';
  }
  if (!s.stale) return;
  for (const StaleUnit& u : *s.stale) {
    out << "stale: " << (u.item.empty() ? "unit" : u.item + " " + u.id.SqlText()) << " (GUID " << u.guid
        << "): " << u.change
        << (u.pending   ? " (pending)"
            : u.removed ? " (the next compile removes it)"
                        : "")
        << '\n';
  }
  size_t unseen =
      std::count_if(s.stale->begin(), s.stale->end(), [](const StaleUnit& u) { return !u.pending && !u.removed; });
  out << "verify: ";
  if (s.stale->empty()) {
    out << "the store is exact (" << Count(s.unitsCompared, "unit", "units") << ")\n";
  } else {
    out << Count(s.stale->size(), "stale unit", "stale units") << " of " << s.unitsCompared;
    if (unseen > 0) out << "; " << unseen << " not pending (edits the change tracking cannot see: compile --rebuild)";
    out << '\n';
  }
}

Json JsonDocument(const ProjectStatus& s) {
  const ProjectCompileReport& p = s.prepared;
  Json counts = Json::object();
  for (const char* reason : kPendingReasons) {
    counts[reason] = PendingFor(s, reason);
  }
  Json pending = Json::array(), displays = Json::array(), kept = Json::array(), without = Json::array();
  for (const PendingItem& i : s.pending) {
    pending.push_back({{"item", i.item},
                       {"id", JsonOf(i.id)},
                       {"guid", JsonOf(i.guid)},
                       {"display_id", JsonOf(i.displayId)},
                       {"reason", i.reason}});
  }
  for (const DisplayStatus& d : s.displays) {
    displays.push_back({{"id", JsonOf(d.id)},
                        {"guid", JsonOf(d.guid)},
                        {"name", JsonOf(d.name)},
                        {"pending", d.pending},
                        {"kept_findings", d.kept}});
  }
  for (const ItemWithoutRow& i : p.itemsWithoutRows) {
    without.push_back({{"item", i.kind}, {"id", JsonOf(i.id)}, {"guid", JsonOf(i.guid)}});
  }
  for (const KeptFinding& f : s.kept) {
    kept.push_back({{"item", f.item},
                    {"id", JsonOf(f.itemId)},
                    {"guid", f.guid},
                    {"display_id", JsonOf(f.displayId)},
                    {"severity", f.severity},
                    {"message", f.message}});
  }
  Json verify = nullptr;
  if (s.stale) {
    Json stale = Json::array();
    for (const StaleUnit& u : *s.stale) {
      stale.push_back({{"guid", u.guid},
                       {"item", u.item.empty() ? Json(nullptr) : Json(u.item)},
                       {"id", JsonOf(u.id)},
                       {"change", u.change},
                       {"pending", u.pending},
                       {"removed", u.removed}});
    }
    verify = {{"units", s.unitsCompared}, {"stale", std::move(stale)}};
  }
  return {{"last_compile", JsonOf(s.lastCompile)},
          {"recompile_reason", p.recompileReason.empty() ? Json(nullptr) : Json(p.recompileReason)},
          {"tracking_problems", p.trackingProblems},
          {"pending_counts", std::move(counts)},
          {"pending", std::move(pending)},
          {"deleted_item_units", p.deletedItemGuids},
          {"units_without_items", p.unitsWithoutItems},
          {"items_without_rows", std::move(without)},
          {"displays", std::move(displays)},
          {"kept_findings", std::move(kept)},
          {"verify", std::move(verify)}};
}

}  // namespace

void AddStatusCommand(CLI::App& app, int& exitCode) {
  static StatusOptions status;
  auto* s = AddDbCommand(app, "status",
                         "Show what the next compile would do: the items pending and why, the units it "
                         "removes, the findings kept (the project is left as it was)",
                         status.project);
  s->add_flag("--json", status.project.json, "One JSON document");
  s->add_flag("--verify", status.verify,
              "Also compile every item from scratch in a private copy and list each stored unit that differs from "
              "what it stores, is missing or is extra (exit code 1 when any does)");
  AddDiagnosticsOption(s, status.project);
  s->callback([&exitCode] {
    exitCode = RunWithCompiler(status.project, true,
                               [](clsDownload& compiler, DefaultHost& host, Connection& conn, std::ostream& out) {
                                 ProjectStatus s = ReadProjectStatus(host, compiler, conn, status.verify);
                                 if (status.project.json) {
                                   out << JsonDocument(s).dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
                                 } else {
                                   WriteText(out, s);
                                 }
                                 return s.stale && !s.stale->empty() ? 1 : 0;
                               });
  });
}

}  // namespace brisklet::cli
