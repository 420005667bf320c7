// brisklet preview: displays drawn from their compiled records as the panel shows them, one
// PNG each, the elements with errors or warnings outlined and numbered. The project is opened
// as a private copy (in a temporary file): its compile, for the findings, and the records drawn
// are never stored.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <unordered_set>

#include "CommandSupport.h"
#include "Commands.h"
#include "OutputPaths.h"
#include "PreviewDiff.h"
#include "PreviewElements.h"
#include "PreviewFindings.h"
#include "PreviewIndex.h"
#include "ScratchFile.h"
#include "component/ProjectCompile.h"
#include "database/Recordset.h"
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
  // The findings' list: the command's own log with --all, which the notices of the displays
  // drawn make longer (so findings are known by their place in it).
  const std::vector<Diagnostic>& diagnostics;
  std::vector<std::string> notices = {};              // of the display being drawn
  std::unique_ptr<FindingsByDisplay> byDisplay = {};  // made at the first display drawn

  // The element's record, compiled without reporting its messages again; empty when it has none.
  Bytes RecordOf(int32_t elementId) {
    try {
      return compiler.ElementRecord(elementId);
    } catch (const std::exception& e) {
      notices.push_back("element " + std::to_string(elementId) + " is drawn as its outline only: " + e.what());
      host.Notice(notices.back());
      return {};
    }
  }

  // Draws one display into `path`; its findings, or nothing when it has no record.
  std::optional<DisplayFindings> Draw(int32_t displayId, const std::string& path) {
    notices.clear();
    Bytes record = compiler.DisplayRecord(displayId);
    if (record.empty()) {
      std::string why = "display " + std::to_string(displayId) + " does not exist, or its PaletteID names no palette";
      if (o.display) throw RuntimeError("No display", why);
      host.Notice(why + ": it is not drawn");
      return std::nullopt;
    }
    bool compiled = DisplayIsCompiled(db, displayId);
    if (!compiled) {
      notices.push_back("its module is -1: the display is never compiled, its elements have no records to draw");
    }
    std::vector<ElementRow> rows = ElementsOf(db, displayId, record, context);
    if (!byDisplay) byDisplay = std::make_unique<FindingsByDisplay>(diagnostics);
    DisplayFindings findings = FindingsOf(diagnostics, byDisplay->Of(displayId), displayId, NamesOf(rows));
    std::vector<PreviewNotice> drawn;
    auto canvas =
        DrawDisplay(record, ElementsToDraw(rows, findings), context, fonts, images, texts, height, &drawn, compiled);
    for (const PreviewNotice& notice : drawn) {
      if (notice.elementId == 0 && !compiled) continue;  // said above
      notices.push_back((notice.elementId != 0 ? "element " + std::to_string(notice.elementId) + ": " : "") +
                        notice.text);
    }
    RefuseProjectOutput(path, o.project.db);
    canvas->WritePng(path, o.scale);
    return findings;
  }

  // The elements' records, frames and numbers, in the order of the rows.
  std::vector<PreviewElement> ElementsToDraw(const std::vector<ElementRow>& rows, const DisplayFindings& findings) {
    std::vector<PreviewElement> elements;
    for (const ElementRow& r : rows) {
      auto mark = findings.marks.find(r.id);
      elements.push_back({RecordOf(r.id), r.frame, mark == findings.marks.end() ? 0 : mark->second, r.id});
    }
    return elements;
  }
};

// "1 error element 28: ..." a line, "-" for a finding of the display itself; then its notices.
void WriteFindings(std::ostream& out, const std::vector<PreviewFinding>& findings,
                   const std::vector<std::string>& notices) {
  for (const PreviewFinding& f : findings) {
    out << (f.mark > 0 ? std::to_string(f.mark) : "-") << " " << f.severity;
    for (size_t i = 0; i < f.elements.size(); ++i) out << (i == 0 ? " element " : ", ") << f.elements[i];
    out << ": " << OneLine(f.message) << (f.lint ? " [lint]" : "") << '\n';
  }
  for (const std::string& notice : notices) out << "- notice: " << OneLine(notice) << '\n';
}

// Every display, with its title: "display 3 (Alarms)".
std::vector<std::pair<int32_t, std::string>> AllDisplays(Connection& db) {
  std::vector<std::pair<int32_t, std::string>> displays;
  for (Recordset rs(db, "SELECT Id, Description FROM Pages ORDER BY Id", 0, 1); !rs.Eof(); rs.MoveNext()) {
    displays.emplace_back(rs.Long("Id"), "display " + rs.Field("Id").SqlText() + " (" + rs.Str("Description") + ")");
  }
  return displays;
}

// 0, or 1 when the display previewed alone has errors (warnings too with --werror); a preview of
// every display leaves the exit code to the whole project's count.
int Preview(const PreviewOptions& o, clsDownload& compiler, DefaultHost& host, Connection& db, std::ostream& out) {
  DecodeContext context = ReadDecodeContext(host, db);
  CheckPanelSize(context.screenWidth, ScreenHeight(db, context.screenWidth), o.scale);
  auto log = std::dynamic_pointer_cast<DiagnosticsLog>(compiler.Findings());
  // The findings, and a store brought up to date with the edits, on the private copy; those of
  // a preview of one display kept apart, so that it tells only that display's.
  auto findings = o.display ? std::make_shared<DiagnosticsLog>() : log;
  compiler.SetFindingSink(findings);
  ProjectCompile(compiler, host, db).Run();
  if (findings) AddLintFindings(*findings, db, host, LintConfigOf(o.project.db, o.project.config));
  compiler.SetFindingSink(nullptr);  // the records drawn report their messages once, above
  static const std::vector<Diagnostic> kNone;
  Previewer previewer{o,
                      compiler,
                      host,
                      db,
                      context,
                      PanelFonts(db, context.codePage),
                      PanelImages(db),
                      TextTable(db),
                      ScreenHeight(db, context.screenWidth),
                      findings ? findings->Items() : kNone};
  const std::vector<Diagnostic>& diagnostics = previewer.diagnostics;
  ProjectFindings general;
  for (const PanelFonts::Unusable& font : previewer.fonts.FontsWithoutFile()) {
    general.notices.push_back("font " + std::to_string(font.number) + " " + font.why + ": its texts are drawn " +
                              (font.inDefaultFont ? std::string("in ") + kDefaultFontName : std::string("as boxes")) +
                              " (add it again with brisklet font add to keep the file)");
  }
  if (o.display) {
    ElementIndex elements(NamesOf(ElementsOf(db, *o.display, {}, context)));
    for (const Diagnostic& d : diagnostics) {
      if (log && IsFindingOf(d, *o.display, elements)) log->Add(d);
    }
    for (const std::string& notice : general.notices) host.Notice(notice);
    auto drawn = previewer.Draw(*o.display, o.output);
    if (drawn) WriteFindings(out, drawn->list, previewer.notices);
    compiler.SetFindingSink(log);
    bool counted = drawn && std::any_of(drawn->list.begin(), drawn->list.end(), [&o](const PreviewFinding& f) {
                     return f.severity == "error" || (o.project.werror && f.severity == "warning");
                   });
    return counted ? 1 : 0;
  } else {
    for (const std::string& notice : general.notices) host.Notice(notice);
    std::filesystem::create_directories(o.output);
    // Each display's section is written as it is drawn, into a file of its own, since the
    // project's findings that come before them are known only once every display is drawn.
    std::fstream sections = OpenScratchFile();
    std::vector<bool> placed(diagnostics.size());  // put on a display
    std::unordered_set<std::string> told(general.notices.begin(), general.notices.end());
    size_t drawnDisplays = 0;
    for (const auto& [id, title] : AllDisplays(db)) {
      std::string image = "display-" + std::to_string(id) + ".png";
      if (auto drawn = previewer.Draw(id, (std::filesystem::path(o.output) / image).string())) {
        for (const PreviewFinding& f : drawn->list) placed[f.source] = true;
        told.insert(previewer.notices.begin(), previewer.notices.end());
        WritePreviewPage(sections, {title, image, std::move(drawn->list), previewer.notices});
        ++drawnDisplays;
      }
    }
    if (!sections.flush() || !sections.seekg(0)) {
      throw RuntimeError("Cannot write the preview", "its index's temporary file could not be written");
    }
    for (size_t place = 0; place < placed.size(); ++place) {
      const Diagnostic& d = diagnostics[place];
      if (!placed[place] && IsFinding(d)) {
        general.findings.push_back(
            {0, d.severity, d.location.empty() ? d.message : d.location + ": " + d.message, {}, d.rule, d.lint, place});
      }
    }
    for (const Diagnostic& d : log ? log->Items() : kNone) {
      if (d.severity == "notice" && told.insert(d.message).second) general.notices.push_back(d.message);
    }
    std::string indexPath = (std::filesystem::path(o.output) / "index.html").string();
    RefuseProjectOutput(indexPath, o.project.db);
    std::ofstream index(indexPath);
    WritePreviewIndex(index, std::filesystem::path(o.project.db).filename().string(), sections, general);
    if (!index.flush()) throw RuntimeError("Cannot write the preview ('" + indexPath + "'): " + std::strerror(errno));
    out << drawnDisplays << " displays drawn into " << o.output << '\n';
  }
  compiler.SetFindingSink(log);
  return 0;
}

// Opens the project only to see whether it has the display: an unknown display is said, as
// the diagnostics say a failure, before anything is compiled.
bool DisplayExists(const Options& o, int32_t display) {
  try {
    OpenOptions open;
    open.busyTimeoutSeconds = o.busyTimeout;
    RequireDisplay(*Connection::Open(ProjectDatabase(o.db), open), display);
    return true;
  } catch (const RuntimeError& e) {
    DiagnosticsLog log;
    log.Failure(e.Describe());
    ExitCodeOf([&] { return WriteDiagnostics(o, OpenDiagnostics(o), log) ? 0 : 2; });
    return false;
  }
}

}  // namespace

void AddPreviewCommand(CLI::App& app, int& exitCode) {
  static PreviewOptions preview;
  static std::vector<std::string> diff;
  auto* p = AddDbCommand(app, "preview", "Draw displays as the panel shows them (PNG), their findings marked",
                         preview.project);
  p->get_option("DB")->required(false);
  auto* display = p->add_option("--display", preview.display, "Draw this display (Pages.Id) into the file -o");
  auto* all = p->add_flag("--all", preview.all, "Draw every display into the folder -o, with an index.html");
  auto* changes = p->add_option("--diff", diff,
                                "OLD NEW: draw each display whose records differ, before and after, into the folder -o")
                      ->expected(2);
  display->excludes(all)->excludes(changes);
  all->excludes(changes);
  p->add_option("-o,--output", preview.output, "The PNG file (--display) or the folder (--all, --diff)")->required();
  p->add_option("--scale", preview.scale, "Draw each panel pixel as N x N pixels")->check(CLI::Range(1, 16));
  AddDiagnosticsOption(p, preview.project);
  AddConfigOption(p, preview.project.config);
  p->callback([&exitCode, display, all, changes] {
    if (changes->count() > 0) {
      if (!preview.project.db.empty()) throw CLI::ValidationError("--diff", "takes the two projects, not DB");
      exitCode = ExitCodeOf([] {
        PreviewDiffOptions o{diff[0], diff[1], preview.output, preview.scale, preview.project.busyTimeout};
        return PreviewDiff(o, std::cout);
      });
      return;
    }
    if (preview.project.db.empty()) throw CLI::RequiredError("DB");
    if (display->count() + all->count() == 0) throw CLI::RequiredError("--display, --all or --diff");
    if (!OutputIsNotTheProject(preview.output, preview.project.db)) {
      exitCode = 2;
      return;
    }
    if (preview.display && !DisplayExists(preview.project, *preview.display)) {
      exitCode = 2;
      return;
    }
    preview.project.ownExitCode = preview.display.has_value();
    exitCode = RunWithCompiler(preview.project, true,
                               [](clsDownload& compiler, DefaultHost& host, Connection& db, std::ostream& out) {
                                 return Preview(preview, compiler, host, db, out);
                               });
  });
}

}  // namespace brisklet::cli
