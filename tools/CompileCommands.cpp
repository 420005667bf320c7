// brisklet compile / element / minsize / display / pagetable / units.
#include <nlohmann/json.hpp>

#include "CommandSupport.h"
#include "Commands.h"
#include "MinimumSize.h"
#include "Progress.h"
#include "base/ByteWriter.h"
#include "base/RuntimeError.h"
#include "component/ProjectCompile.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "database/Recordset.h"
#include "host/DefaultHost.h"

namespace brisklet::cli {
namespace {

int64_t CountUnits(Connection& conn) {
  return conn.QueryValue("SELECT COUNT(*) FROM DownloadUnits").value_or(Value(0)).ToLong("COUNT(*)");
}

int64_t CountPending(Connection& conn) {
  return conn.QueryValue("SELECT COUNT(*) FROM DownloadDLUs WHERE IsCompiled=0").value_or(Value(0)).ToLong("COUNT(*)");
}

}  // namespace

void AddCompileCommands(CLI::App& app, int& exitCode) {
  static Options compile, element, display, table, units, minsize;

  auto* c = AddDbCommand(app, "compile", "Compile every pending element and display, then run the checks and our own",
                         compile);
  AddDiagnosticsOption(c, compile);
  AddConfigOption(c, compile.config);
  compile.lint = true;
  c->add_flag("--reference", compile.reference,
              "Run every check over the whole project by its own query, not just over what changed since the "
              "last compile (same results, slower; for comparison)");
  c->add_flag("--rebuild", compile.rebuild,
              "Compile every item from scratch, as if nothing were stored (what is stored stays until replaced)");
  c->add_flag("--as-marked", compile.asMarked,
              "Compile exactly what DownloadDLUs marks, as a host that keeps the bookkeeping itself would: edits are "
              "not marked, deleted items not removed, findings of items not compiled not reported");
  c->callback([&exitCode] {
    if (compile.asMarked && compile.rebuild) {
      std::cerr << "brisklet: --rebuild and --as-marked exclude each other\n";
      exitCode = 2;
      return;
    }
    compile.keepLint = !compile.reference;  // by reference, our own checks walk everything too
    exitCode = RunWithCompiler(
        compile, false, [](clsDownload& compiler, DefaultHost& host, Connection& conn, std::ostream& out) {
          ProgressLine line("compiling", "items", compile.diagnostics == "text");
          compiler.SetProgress([&line](int64_t done, int64_t total) { line.Update(done, total); });
          compiler.SetReferenceRun(compile.reference);
          if (compile.asMarked) {
            compiler.CompileHMI();
          } else {
            ProjectCompileOptions options;
            options.rebuild = compile.rebuild;
            ProjectCompile(compiler, host, conn).Run(options);
          }
          out << "compiled: " << host.UnitsStored() << " units stored (" << CountUnits(conn) << " in the store), "
              << CountPending(conn) << " items pending, " << compiler.ErrorCount() << " errors, "
              << compiler.WarningCount() << " warnings\n";
        });
  });

  auto* e = AddDbCommand(app, "element", "Print the record of one element as hex (nothing is stored)", element);
  e->add_option("ID", element.id, "HMI_Elements.ID")->required();
  AddDiagnosticsOption(e, element);
  e->callback([&exitCode] {
    exitCode = RunWithCompiler(element, true,
                               [](clsDownload& compiler, DefaultHost& host, Connection& conn, std::ostream& out) {
                                 RequireElement(conn, element.id);
                                 Bytes record = compiler.ElementRecord(element.id);
                                 if (record.empty()) {
                                   host.Notice("element " + std::to_string(element.id) +
                                               " is on a display of module -1 and is never compiled");
                                 }
                                 out << ToHex(record) << '\n';
                               });
  });

  auto* m = AddDbCommand(app, "minsize",
                         "Print the smallest frame of a timer, clock or entry field element (exit 1 when its frame is "
                         "smaller)",
                         minsize);
  m->add_option("ID", minsize.id, "HMI_Elements.ID")->required();
  m->callback([&exitCode] {
    exitCode =
        RunWithCompiler(minsize, true, [](clsDownload& compiler, DefaultHost&, Connection& conn, std::ostream& out) {
          MinimumSize size = MeasureMinimumSize(compiler, conn, minsize.id);
          out << size.report << '\n';
          return size.holds ? 0 : 1;
        });
  });

  auto* d = AddDbCommand(app, "display", "Print the record of one display as hex", display);
  d->add_option("ID", display.id, "Pages.Id")->required();
  AddDiagnosticsOption(d, display);
  d->callback([&exitCode] {
    exitCode =
        RunWithCompiler(display, true, [](clsDownload& compiler, DefaultHost&, Connection& conn, std::ostream& out) {
          RequireDisplay(conn, display.id);
          Bytes record = compiler.DisplayRecord(display.id);
          if (record.empty()) {
            // The display query joins the palette: a display whose palette is missing is skipped too.
            throw RuntimeError("No display", "display " + std::to_string(display.id) +
                                                 " does not exist, or its PaletteID names no palette");
          }
          out << ToHex(record) << '\n';
        });
  });

  auto* p = AddDbCommand(app, "pagetable", "Print the page conversion table as hex", table);
  AddDiagnosticsOption(p, table);
  p->callback([&exitCode] {
    exitCode = RunWithCompiler(table, true, [](clsDownload& compiler, DefaultHost&, Connection&, std::ostream& out) {
      auto units = compiler.GetConvertionPageNumToPointerTable();
      out << ToHex(units.front()->Data()) << '\n';
    });
  });

  auto* u = AddDbCommand(app, "units", "List the stored download units", units);
  u->add_flag("--json", units.json, "One JSON object per unit");
  u->callback([&exitCode] {
    exitCode = RunWithCompiler(units, true, [](clsDownload&, DefaultHost&, Connection& conn, std::ostream& out) {
      Recordset rs(conn, "SELECT UnitGuid, UnitType, Mode, Data FROM DownloadUnits ORDER BY UnitGuid", 0, 1);
      for (; !rs.Eof(); rs.MoveNext()) {
        ErrorScope scope("download unit " + rs.Field("UnitGuid").SqlText());
        Bytes data = rs.Field("Data").ToBytes("Data");
        const Value& type = rs.Field("UnitType");
        if (units.json) {
          nlohmann::json line = {{"guid", rs.Long("UnitGuid")},
                                 {"type", type.IsNull() ? nlohmann::json() : nlohmann::json(type.ToLong("UnitType"))},
                                 {"mode", rs.Long("Mode")},
                                 {"length", data.size()},
                                 {"hex", ToHex(data)}};
          out << line.dump() << '\n';
        } else {
          out << rs.Long("UnitGuid") << '\t' << type.SqlText() << '\t' << rs.Long("Mode") << '\t' << data.size() << '\t'
              << ToHex(data) << '\n';
        }
      }
    });
  });
}

}  // namespace brisklet::cli
