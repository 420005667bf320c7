// brisklet preview: displays drawn from their compiled records as the panel shows them, one
// PNG each, the elements with errors or warnings outlined and numbered. The project is opened
// as a private copy: its compile, for the findings, and the records drawn are never stored.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "CommandSupport.h"
#include "Commands.h"
#include "OutputPaths.h"
#include "PreviewFindings.h"
#include "PreviewIndex.h"
#include "database/Recordset.h"
#include "component/ProjectCompile.h"
#include "decoding/RecordDecoder.h"
#include "preview/DisplayPreview.h"

namespace brisklet::cli {
namespace {

struct PreviewOptions {
  Options project;
  std::optional<int> display;
  bool all = false;
  std::string output;
  int scale = 1;
};

struct ElementRow {
  int32_t id = 0;
  uint16_t guid = 0;  // low 16 bits, as the display record lists it
  std::string name;
  Box frame;
};

std::vector<ElementRow> ElementsOf(Connection& db, int32_t displayId) {
  std::vector<ElementRow> rows;
  Recordset rs(db, "SELECT ID, GUID, Text, Xs, Ys, Dx, Dy FROM HMI_Elements WHERE DisplayID=? ORDER BY ID",
               {Value(displayId)});
  for (; !rs.Eof(); rs.MoveNext()) {
    rows.push_back({rs.Long("ID"), static_cast<uint16_t>(rs.Long("GUID") & 0xFFFF), rs.Str("Text"),
                    {rs.Long("Xs"), rs.Long("Ys"), rs.Long("Dx"), rs.Long("Dy")}});
  }
  return rows;
}

// The rows in the order the display record lists their elements (the order the panel draws
// them in); elements it does not list come last.
void SortAsListed(std::vector<ElementRow>& rows, const DecodedRecord& display, const Bytes& record) {
  std::map<uint16_t, size_t> listed;
  for (const DecodedField& f : display.fields) {
    if (f.name.starts_with("\"PT\" element ") && f.name != "\"PT\" element count" && f.size == 2) {
      listed.emplace(static_cast<uint16_t>(record[f.offset] | (record[f.offset + 1] << 8)), listed.size());
    }
  }
  auto rank = [&](const ElementRow& r) {
    auto it = listed.find(r.guid);
    return it == listed.end() ? listed.size() : it->second;
  };
  std::ranges::stable_sort(rows, {}, rank);
}

struct Previewer {
  const PreviewOptions& o;
  clsDownload& compiler;
  DefaultHost& host;
  Connection& db;
  DecodeContext context;
  PanelFonts fonts;
  PanelImages images;
  TextTable texts;
  int32_t height;
  std::vector<Diagnostic> diagnostics;

  // The element's record, compiled without reporting its messages again; empty when it has none.
  Bytes RecordOf(int32_t elementId) {
    try {
      return compiler.ElementRecord(elementId);
    } catch (const std::exception& e) {
      host.Notice("element " + std::to_string(elementId) + " is drawn as its outline only: " + e.what());
      return {};
    }
  }

  // Draws one display into `path`; its findings, or nothing when it has no record.
  std::optional<DisplayFindings> Draw(int32_t displayId, const std::string& path) {
    Bytes record = compiler.DisplayRecord(displayId);
    if (record.empty()) {
      std::string why = "display " + std::to_string(displayId) + " does not exist, or its PaletteID names no palette";
      if (o.display) throw RuntimeError("No display", why);
      host.Notice(why + ": it is not drawn");
      return std::nullopt;
    }
    std::vector<ElementRow> rows = ElementsOf(db, displayId);
    SortAsListed(rows, DecodeRecord(record, context), record);
    std::vector<NamedElement> names;
    for (const ElementRow& r : rows) names.push_back({r.id, r.name});
    DisplayFindings findings = FindingsOf(diagnostics, displayId, names);
    auto canvas = DrawDisplay(record, ElementsToDraw(rows, findings), context, fonts, images, texts, height);
    RefuseProjectOutput(path, o.project.db);
    canvas->WritePng(path, o.scale);
    return findings;
  }

  // The elements' records, frames and numbers, in the order of the rows.
  std::vector<PreviewElement> ElementsToDraw(const std::vector<ElementRow>& rows, const DisplayFindings& findings) {
    std::vector<PreviewElement> elements;
    for (const ElementRow& r : rows) {
      auto mark = findings.marks.find(r.id);
      elements.push_back({RecordOf(r.id), r.frame, mark == findings.marks.end() ? 0 : mark->second});
    }
    return elements;
  }
};

void WriteFindings(std::ostream& out, const std::vector<PreviewFinding>& findings) {
  for (const PreviewFinding& f : findings) {
    out << (f.mark > 0 ? std::to_string(f.mark) : "-") << " " << f.severity << ": " << OneLine(f.message) << '\n';
  }
}

// Every display, with its title: "display 3 (Alarms)".
std::vector<std::pair<int32_t, std::string>> AllDisplays(Connection& db) {
  std::vector<std::pair<int32_t, std::string>> displays;
  for (Recordset rs(db, "SELECT Id, Description FROM Pages ORDER BY Id", 0, 1); !rs.Eof(); rs.MoveNext()) {
    displays.emplace_back(rs.Long("Id"), "display " + rs.Field("Id").SqlText() + " (" + rs.Str("Description") + ")");
  }
  return displays;
}

void Preview(const PreviewOptions& o, clsDownload& compiler, DefaultHost& host, Connection& db, std::ostream& out) {
  DecodeContext context = ReadDecodeContext(host, db);
  CheckPanelSize(context.screenWidth, ScreenHeight(db, context.screenWidth), o.scale);
  auto log = std::dynamic_pointer_cast<DiagnosticsLog>(compiler.Findings());
  // The findings, and a store brought up to date with the edits, on the private copy.
  ProjectCompile(compiler, host, db).Run();
  std::vector<Diagnostic> diagnostics = log ? log->Items() : std::vector<Diagnostic>{};
  compiler.SetFindingSink(nullptr);  // the records drawn report their messages once, above
  Previewer previewer{o, compiler, host, db, context, PanelFonts(db, context.codePage),
                      PanelImages(db), TextTable(db), ScreenHeight(db, context.screenWidth), diagnostics};
  std::vector<std::string> notices;
  for (const PanelFonts::Unusable& font : previewer.fonts.FontsWithoutFile()) {
    notices.push_back("font " + std::to_string(font.number) + " " + font.why +
                      ": its texts are drawn as boxes (add it again with brisklet font add to keep the file)");
  }
  for (const std::string& notice : notices) host.Notice(notice);
  if (o.display) {
    if (auto findings = previewer.Draw(*o.display, o.output)) WriteFindings(out, findings->list);
  } else {
    std::filesystem::create_directories(o.output);
    std::vector<PreviewPage> pages;
    for (const auto& [id, title] : AllDisplays(db)) {
      std::string image = "display-" + std::to_string(id) + ".png";
      if (auto findings = previewer.Draw(id, (std::filesystem::path(o.output) / image).string())) {
        pages.push_back({title, image, findings->list});
      }
    }
    std::string indexPath = (std::filesystem::path(o.output) / "index.html").string();
    RefuseProjectOutput(indexPath, o.project.db);
    std::ofstream index(indexPath);
    WritePreviewIndex(index, std::filesystem::path(o.project.db).filename().string(), pages, notices);
    if (!index.flush()) throw RuntimeError("Cannot write the preview ('" + indexPath + "'): " + std::strerror(errno));
    out << pages.size() << " displays drawn into " << o.output << '\n';
  }
  compiler.SetFindingSink(log);
}

}  // namespace

void AddPreviewCommand(CLI::App& app, int& exitCode) {
  static PreviewOptions preview;
  auto* p = AddDbCommand(app, "preview", "Draw displays as the panel shows them (PNG), their findings marked",
                         preview.project);
  auto* display = p->add_option("--display", preview.display, "Draw this display (Pages.Id) into the file -o");
  auto* all = p->add_flag("--all", preview.all, "Draw every display into the folder -o, with an index.html");
  display->excludes(all);
  p->add_option("-o,--output", preview.output, "The PNG file (--display) or the folder (--all)")->required();
  p->add_option("--scale", preview.scale, "Draw each panel pixel as N x N pixels")->check(CLI::Range(1, 16));
  AddDiagnosticsOption(p, preview.project);
  p->callback([&exitCode, display, all] {
    if (display->count() + all->count() == 0) throw CLI::RequiredError("--display or --all");
    if (!OutputIsNotTheProject(preview.output, preview.project.db)) {
      exitCode = 2;
      return;
    }
    exitCode = RunWithCompiler(preview.project, true,
                               [](clsDownload& compiler, DefaultHost& host, Connection& db, std::ostream& out) {
                                 if (preview.display) RequireDisplay(db, *preview.display);
                                 Preview(preview, compiler, host, db, out);
                               });
  });
}

}  // namespace brisklet::cli
