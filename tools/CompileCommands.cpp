// brisklet compile / element / minsize / display / pagetable / units.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "Commands.h"
#include "Diagnostics.h"
#include "Progress.h"
#include "MinimumSize.h"
#include "base/ByteWriter.h"
#include "base/RuntimeError.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "database/Recordset.h"
#include "host/DefaultHost.h"

namespace brisklet::cli {
namespace {

struct Options {
  std::string db;
  std::string diagnostics = "text";
  std::string diagnosticsFile;  // "" for standard error
  int busyTimeout = 5;
  int id = 0;
  bool json = false;
  bool reference = false;
};

DiagnosticsFormat FormatOf(const Options& o) {
  if (o.diagnostics == "json") return DiagnosticsFormat::Json;
  if (o.diagnostics == "sarif") return DiagnosticsFormat::Sarif;
  return DiagnosticsFormat::Text;
}

// Writes the diagnostics where they go; false when they could not be written.
bool WriteDiagnostics(const Options& o, const DiagnosticsLog& log) {
  if (o.diagnosticsFile.empty()) {
    log.WriteTo(std::cerr, FormatOf(o));
    return static_cast<bool>(std::cerr.flush());
  }
  std::ofstream file(o.diagnosticsFile);
  log.WriteTo(file, FormatOf(o));
  return static_cast<bool>(file.flush());
}

// Opens the project (a private copy in memory when the command only inspects it), runs the
// work with a compiler whose messages are collected, then writes the diagnostics and the
// output, and turns the outcome into the exit code. Nothing is written before the work is
// over, so a reader that stops early cannot break off a compile.
template <typename Work>
int RunWithCompiler(const Options& o, bool inspectOnly, Work work) {
  auto log = std::make_shared<DiagnosticsLog>();
  std::ostringstream output;
  int exitCode = 2;
  try {
    OpenOptions open;
    open.snapshot = inspectOnly;
    open.busyTimeoutSeconds = o.busyTimeout;
    open.waiting = [](const std::string& text) { std::cerr << "brisklet: " << text << std::endl; };
    auto conn = Connection::Open(o.db, open);
    DefaultHostOptions hostOptions;
    hostOptions.notice = [log](const std::string& text) { log->Notice(text); };
    DefaultHost host(*conn, hostOptions);
    clsDownload compiler(host);
    compiler.SetCompMsg(log);
    work(compiler, host, *conn, output);
    exitCode = compiler.ErrorCount() > 0 ? 1 : 0;
  } catch (const RuntimeError& e) {
    log->Failure(e.Describe());
  } catch (const std::exception& e) {
    log->Failure(e.what());
  }
  bool failed = exitCode == 2;  // a run-time failure: its half-made output is not shown
  if (!WriteDiagnostics(o, *log)) exitCode = 2;
  if (!failed) std::cout << output.str();
  if (!std::cout.flush()) {
    std::cerr << "brisklet: cannot write the output: " << std::strerror(errno) << std::endl;
    exitCode = 2;
  }
  return exitCode;
}

int64_t CountUnits(Connection& conn) {
  return conn.QueryValue("SELECT COUNT(*) FROM DownloadUnits").value_or(Value(0)).ToLong("COUNT(*)");
}

int64_t CountPending(Connection& conn) {
  return conn.QueryValue("SELECT COUNT(*) FROM DownloadDLUs WHERE IsCompiled=0").value_or(Value(0)).ToLong("COUNT(*)");
}

CLI::App* AddDbCommand(CLI::App& app, const char* name, const char* help, Options& o) {
  auto* cmd = app.add_subcommand(name, help);
  cmd->add_option("DB", o.db, "Project database file")->required();
  cmd->add_option("--busy-timeout", o.busyTimeout, "Seconds to wait for another program's lock on the project")
      ->check(CLI::Range(0, 86400));
  return cmd;
}

void AddDiagnosticsOption(CLI::App* cmd, Options& o) {
  cmd->add_option("--diagnostics", o.diagnostics, "Diagnostics format: text, json (one object a line) or sarif")
      ->check(CLI::IsMember({"text", "json", "sarif"}));
  cmd->add_option("--diagnostics-file", o.diagnosticsFile, "Write the diagnostics to this file, not to stderr");
}

}  // namespace

void AddCompileCommands(CLI::App& app, int& exitCode) {
  static Options compile, element, display, table, units, minsize;

  auto* c = AddDbCommand(app, "compile", "Compile every pending element and display, then run the checks", compile);
  AddDiagnosticsOption(c, compile);
  c->add_flag("--reference", compile.reference,
              "Run every check over the whole project by its own query, not just over what changed since the "
              "last compile (same results, slower; for comparison)");
  c->callback([&exitCode] {
    exitCode = RunWithCompiler(
        compile, false, [](clsDownload& compiler, DefaultHost& host, Connection& conn, std::ostream& out) {
          ProgressLine line("compiling", "items", compile.diagnostics == "text");
          compiler.SetProgress([&line](int64_t done, int64_t total) { line.Update(done, total); });
          compiler.SetReferenceRun(compile.reference);
          compiler.CompileHMI();
          out << "compiled: " << host.UnitsStored() << " units stored (" << CountUnits(conn) << " in the store), "
              << CountPending(conn) << " items pending, " << compiler.ErrorCount() << " errors, "
              << compiler.WarningCount() << " warnings\n";
        });
  });

  auto* e = AddDbCommand(app, "element", "Print the record of one element as hex (nothing is stored)", element);
  e->add_option("ID", element.id, "HMI_Elements.ID")->required();
  AddDiagnosticsOption(e, element);
  e->callback([&exitCode] {
    exitCode =
        RunWithCompiler(element, true, [](clsDownload& compiler, DefaultHost& host, Connection&, std::ostream& out) {
          Bytes record = compiler.ElementRecord(element.id);
          if (record.empty()) {
            host.Notice("element " + std::to_string(element.id) +
                        " is on a display of module -1 and is never compiled");
          }
          out << ToHex(record) << '\n';
        });
  });

  auto* m = AddDbCommand(app, "minsize", "Print the smallest frame of a timer, clock or entry field element", minsize);
  m->add_option("ID", minsize.id, "HMI_Elements.ID")->required();
  m->callback([&exitCode] {
    exitCode = RunWithCompiler(minsize, true, [](clsDownload& compiler, DefaultHost&, Connection& conn,
                                                 std::ostream& out) {
      out << MinimumSizeReport(compiler, conn, minsize.id) << '\n';
    });
  });

  auto* d = AddDbCommand(app, "display", "Print the record of one display as hex", display);
  d->add_option("ID", display.id, "Pages.Id")->required();
  AddDiagnosticsOption(d, display);
  d->callback([&exitCode] {
    exitCode = RunWithCompiler(display, true, [](clsDownload& compiler, DefaultHost&, Connection&, std::ostream& out) {
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
          out << rs.Long("UnitGuid") << '\t' << type.SqlText() << '\t' << rs.Long("Mode") << '\t' << data.size()
              << '\t' << ToHex(data) << '\n';
        }
      }
    });
  });
}

}  // namespace brisklet::cli
