// brisklet dump: download records decoded into their named fields, from the download store or
// compiled on the fly (nothing is stored), as text or JSON. The same project gives the same
// output, byte for byte.
#include <map>
#include <optional>

#include "CommandSupport.h"
#include "Commands.h"
#include "RecordOutput.h"
#include "decoding/DecodeContext.h"
#include "decoding/RecordDecoder.h"
#include "decoding/StoredRecords.h"

namespace brisklet::cli {
namespace {

struct DumpOptions {
  Options project;
  std::optional<int> element;
  std::optional<int> display;
  bool pageTable = false;
  bool all = false;
};

// The record the options ask for, compiled on the private copy, with its label; none for an
// element that is never compiled.
std::vector<DecodedUnit> Compiled(const DumpOptions& o, clsDownload& compiler, DefaultHost& host, Connection& db) {
  if (o.element) {
    RequireElement(db, *o.element);
    Bytes record = compiler.ElementRecord(*o.element);
    if (record.empty()) {
      host.Notice("element " + std::to_string(*o.element) + " is on a display of module -1 and is never compiled");
      return {};
    }
    return {{ElementLabel(db, *o.element), std::move(record), {}, {}}};
  }
  if (o.display) {
    RequireDisplay(db, *o.display);
    Bytes record = compiler.DisplayRecord(*o.display);
    if (record.empty()) {
      throw RuntimeError(
          "No display", "display " + std::to_string(*o.display) + " does not exist, or its PaletteID names no palette");
    }
    return {{DisplayLabel(db, *o.display), std::move(record), {}, {}}};
  }
  return {{"page table", compiler.GetConvertionPageNumToPointerTable().front()->Data(), {}, {}}};
}

bool StoredOnly(const DumpOptions& o) { return !o.element && !o.display && !o.pageTable; }

// Writes the records decoded, each stored unit as it is read; 1 when one of them could not be
// read to its last byte.
int Dump(const DumpOptions& o, clsDownload& compiler, DefaultHost& host, Connection& db, std::ostream& out) {
  DecodeContext context = ReadDecodeContext(host, db);
  int outcome = 0;
  bool first = true;
  auto write = [&](DecodedUnit& unit) {
    unit.record = DecodeRecord(unit.data, context);
    if (!unit.record.Complete()) outcome = 1;
    if (o.project.json) {
      out << UnitJson(unit).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    } else {
      out << (first ? "" : "\n");
      WriteUnitText(out, unit);
    }
    first = false;
  };
  if (!StoredOnly(o)) {
    for (DecodedUnit& unit : Compiled(o, compiler, host, db)) write(unit);
    return outcome;
  }
  std::map<int64_t, std::vector<KeptFinding>> kept;
  for (KeptFinding& f : ReadKeptFindings(db)) kept[f.guid].push_back(std::move(f));
  StoredRecordReader stored(db);
  for (StoredRecord r; !OutputStopped(out) && stored.Next(r);) {
    auto findings = kept.find(r.guid);
    DecodedUnit unit{std::move(r.label),
                     std::move(r.data),
                     {},
                     findings == kept.end() ? std::vector<KeptFinding>{} : std::move(findings->second)};
    write(unit);
  }
  return outcome;
}

}  // namespace

void AddDumpCommand(CLI::App& app, int& exitCode) {
  static DumpOptions dump;
  auto* d = AddDbCommand(app, "dump", "Print download records decoded into their named fields", dump.project);
  auto* element = d->add_option("--element", dump.element, "The record of this element (HMI_Elements.ID), compiled");
  auto* display = d->add_option("--display", dump.display, "The record of this display (Pages.Id), compiled");
  auto* table = d->add_flag("--pagetable", dump.pageTable, "The page conversion table, compiled");
  auto* all = d->add_flag("--all", dump.all, "Every stored download unit (the default)");
  element->excludes(display, table, all);
  display->excludes(table, all);
  table->excludes(all);
  d->add_flag("--json", dump.project.json, "One JSON object per record");
  AddDiagnosticsOption(d, dump.project);
  d->callback([&exitCode] {
    // The stored units are read from the file and written as they are read; a record compiled
    // on the fly needs the private copy.
    dump.project.readInPlace = StoredOnly(dump);
    exitCode = RunWithCompiler(dump.project, true,
                               [](clsDownload& compiler, DefaultHost& host, Connection& db, std::ostream& out) {
                                 return Dump(dump, compiler, host, db, out);
                               });
  });
}

}  // namespace brisklet::cli
