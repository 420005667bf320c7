// brisklet export DB DIR, import DIR DB and textconv DB: a project's text form written into a
// folder, read back into a database, or printed whole for `git diff`.
#include <filesystem>
#include <iostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "textproject/DesignRows.h"
#include "textproject/ProjectFolder.h"
#include "textproject/TextForm.h"

namespace brisklet::cli {
namespace {

struct TextOptions {
  std::string db;
  std::string folder;
};

DesignModel DesignOf(const std::string& path) {
  OpenOptions open;
  open.snapshot = true;
  auto conn = Connection::Open(ProjectDatabase(path), open);
  return ReadDesign(*conn);
}

int Export(const TextOptions& o) {
  DesignModel design = DesignOf(o.db);
  size_t written = WriteFolder(o.folder, WriteTextForm(design));
  std::cout << "exported " << design.Table("Pages").rows.size() << " displays and "
            << design.Table("HMI_Elements").rows.size() << " elements into " << o.folder << " (" << written
            << " files written)\n";
  return 0;
}

int Import(const TextOptions& o) {
  if (!IsTextProjectFolder(o.folder)) throw RuntimeError("no text project", "'" + o.folder + "' has no project.toml");
  auto conn = std::filesystem::exists(o.db) ? Connection::Open(o.db) : Connection::Create(o.db);
  ImportResult result = ImportTextForm(*conn, ReadFolder(o.folder));
  if (!ReportTextProblems(o.folder, result.problems)) return 2;
  std::cout << "imported " << o.folder << " into " << o.db << ": " << result.rowsChanged << " rows changed\n";
  return 0;
}

// The text files one after another, each behind a line naming it; other files by size only.
int TextConv(const TextOptions& o) {
  for (const auto& [path, bytes] : WriteTextForm(DesignOf(o.db))) {
    bool text = path.size() > 5 && path.compare(path.size() - 5, 5, ".toml") == 0;
    std::cout << "# ==> " << path << (text ? "" : " (" + std::to_string(bytes.size()) + " bytes)") << '\n';
    if (text) std::cout << bytes << '\n';
  }
  return FlushOutput() ? 0 : 2;
}

}  // namespace

void AddTextProjectCommands(CLI::App& app, int& exitCode) {
  static TextOptions exported, imported, converted;
  auto* e = app.add_subcommand("export", "Write a project's text form (TOML files, fonts and pictures) into a folder");
  e->add_option("DB", exported.db, "Project database file (or text project folder)")->required();
  e->add_option("DIR", exported.folder, "Folder to write (made when missing; its other files are kept)")->required();
  e->callback([&exitCode] { exitCode = ExitCodeOf([] { return Export(exported); }); });

  auto* i = app.add_subcommand("import", "Read a text project into a project database, changing only what differs");
  i->add_option("DIR", imported.folder, "Text project folder (holding project.toml)")->required();
  i->add_option("DB", imported.db, "Project database file (made when missing)")->required();
  i->callback([&exitCode] { exitCode = ExitCodeOf([] { return Import(imported); }); });

  auto* t = app.add_subcommand("textconv", "Print a project database as text, for git diff (diff.<name>.textconv)");
  t->add_option("DB", converted.db, "Project database file")->required();
  t->callback([&exitCode] { exitCode = ExitCodeOf([] { return TextConv(converted); }); });
}

}  // namespace brisklet::cli
