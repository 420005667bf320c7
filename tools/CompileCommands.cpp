// brisklet compile / element / minsize / display / pagetable / units.
#include <iostream>
#include <nlohmann/json.hpp>

#include "Commands.h"
#include "Diagnostics.h"
#include "MinimumSize.h"
#include "base/ByteWriter.h"
#include "base/RuntimeError.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"

namespace brisklet::cli {
namespace {

struct Options {
  std::string db;
  std::string diagnostics = "text";
  int id = 0;
  bool json = false;
};

// Opens the project, runs the work with a compiler whose messages go to stderr,
// and turns the outcome into the exit code.
template <typename Work>
int RunWithCompiler(const Options& o, Work work) {
  try {
    auto conn = Connection::Open(o.db);
    DefaultHost host(*conn);
    clsDownload compiler(host);
    compiler.SetCompMsg(std::make_shared<StreamSink>(std::cerr, o.diagnostics == "json"));
    work(compiler, host, *conn);
    return compiler.ErrorCount() > 0 ? 1 : 0;
  } catch (const RuntimeError& e) {
    std::cerr << "brisklet: " << e.Describe() << '\n';
  } catch (const std::exception& e) {
    std::cerr << "brisklet: " << e.what() << '\n';
  }
  return 2;
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
  return cmd;
}

void AddDiagnosticsOption(CLI::App* cmd, Options& o) {
  cmd->add_option("--diagnostics", o.diagnostics, "Diagnostics format on stderr")
      ->check(CLI::IsMember({"text", "json"}));
}

}  // namespace

void AddCompileCommands(CLI::App& app, int& exitCode) {
  static Options compile, element, display, table, units, minsize;

  auto* c = AddDbCommand(app, "compile", "Compile every pending element and display, then run the checks", compile);
  AddDiagnosticsOption(c, compile);
  c->callback([&exitCode] {
    exitCode = RunWithCompiler(compile, [](clsDownload& compiler, DefaultHost& host, Connection& conn) {
      compiler.CompileHMI();
      std::cout << "compiled: " << host.UnitsStored() << " units stored (" << CountUnits(conn) << " in the store), "
                << CountPending(conn) << " items pending, " << compiler.ErrorCount() << " errors, "
                << compiler.WarningCount() << " warnings\n";
    });
  });

  auto* e = AddDbCommand(app, "element", "Print the record of one element as hex (nothing is stored)", element);
  e->add_option("ID", element.id, "HMI_Elements.ID")->required();
  AddDiagnosticsOption(e, element);
  e->callback([&exitCode] {
    exitCode = RunWithCompiler(element, [](clsDownload& compiler, DefaultHost&, Connection&) {
      Bytes record = compiler.ElementRecord(element.id);
      if (record.empty())
        std::cerr << "notice: element " << element.id << " is on a display of module -1 and is never compiled\n";
      std::cout << ToHex(record) << '\n';
    });
  });

  auto* m = AddDbCommand(app, "minsize", "Print the smallest frame of a timer or clock element", minsize);
  m->add_option("ID", minsize.id, "HMI_Elements.ID")->required();
  m->callback([&exitCode] {
    exitCode = RunWithCompiler(minsize, [](clsDownload& compiler, DefaultHost&, Connection& conn) {
      std::cout << MinimumSizeReport(compiler, conn, minsize.id) << '\n';
    });
  });

  auto* d = AddDbCommand(app, "display", "Print the record of one display as hex", display);
  d->add_option("ID", display.id, "Pages.Id")->required();
  d->callback([&exitCode] {
    exitCode = RunWithCompiler(display, [](clsDownload& compiler, DefaultHost&, Connection&) {
      Bytes record = compiler.DisplayRecord(display.id);
      if (record.empty()) {
        // The display query joins the palette: a display whose palette is missing is skipped too.
        throw RuntimeError("No display", "display " + std::to_string(display.id) +
                                             " does not exist, or its PaletteID names no palette");
      }
      std::cout << ToHex(record) << '\n';
    });
  });

  auto* p = AddDbCommand(app, "pagetable", "Print the page conversion table as hex", table);
  p->callback([&exitCode] {
    exitCode = RunWithCompiler(table, [](clsDownload& compiler, DefaultHost&, Connection&) {
      auto units = compiler.GetConvertionPageNumToPointerTable();
      std::cout << ToHex(units.front()->Data()) << '\n';
    });
  });

  auto* u = AddDbCommand(app, "units", "List the stored download units", units);
  u->add_flag("--json", units.json, "One JSON object per unit");
  u->callback([&exitCode] {
    exitCode = RunWithCompiler(units, [](clsDownload&, DefaultHost&, Connection& conn) {
      sqlite3_stmt* stmt = conn.Prepared("SELECT UnitGuid, UnitType, Mode, Data FROM DownloadUnits ORDER BY UnitGuid");
      while (sqlite3_step(stmt) == SQLITE_ROW) {
        Bytes data = ColumnValue(stmt, 3).ToBytes();
        Value type = ColumnValue(stmt, 1);
        if (units.json) {
          nlohmann::json line = {{"guid", sqlite3_column_int64(stmt, 0)},
                                 {"type", type.IsNull() ? nlohmann::json() : nlohmann::json(type.ToLong())},
                                 {"mode", sqlite3_column_int64(stmt, 2)},
                                 {"length", data.size()},
                                 {"hex", ToHex(data)}};
          std::cout << line.dump() << '\n';
        } else {
          std::cout << sqlite3_column_int64(stmt, 0) << '\t' << type.SqlText() << '\t' << sqlite3_column_int64(stmt, 2)
                    << '\t' << data.size() << '\t' << ToHex(data) << '\n';
        }
      }
      sqlite3_reset(stmt);
    });
  });
}

}  // namespace brisklet::cli
