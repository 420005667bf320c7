// The review page: both projects compiled, their stored records compared unit by unit as
// `diff` compares them, and each display with a change drawn on both sides.
#include "PreviewDiff.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "CommandSupport.h"
#include "DiffOutput.h"
#include "OutputPaths.h"
#include "PreviewElements.h"
#include "PreviewIndex.h"
#include "component/ProjectCompile.h"
#include "database/Recordset.h"
#include "decoding/RecordDecoder.h"
#include "decoding/StoredRecords.h"
#include "preview/DisplayPreview.h"

namespace brisklet::cli {
namespace {

namespace fs = std::filesystem;

const Bytes* Find(const std::map<int32_t, Bytes>& records, int32_t id) {
  auto it = records.find(id);
  return it == records.end() ? nullptr : &it->second;
}

bool Differ(const Bytes* a, const Bytes* b) { return (a == nullptr) != (b == nullptr) || (a && *a != *b); }

// One project, compiled on a private copy, with its stored records and what draws them.
struct Side {
  Side(const std::string& path, int busyTimeout) : log(std::make_shared<DiagnosticsLog>()) {
    Options o;
    o.db = path;
    o.busyTimeout = busyTimeout;
    project.emplace(path, o, true, log);
    Connection& db = *project->conn;
    context = ReadDecodeContext(*project->host, db);
    height = ScreenHeight(db, context.screenWidth);
    ProjectCompile(*project->compiler, *project->host, db).Run();
    for (StoredRecord& r : ReadStoredRecords(db)) {
      labels.emplace(static_cast<uint16_t>(r.guid), r.label);
      if (r.elementId != 0) {
        elements[r.elementId] = std::move(r.data);
      } else if (r.displayId != 0) {
        displays[r.displayId] = std::move(r.data);
      } else {
        others[r.label] = std::move(r.data);
      }
    }
    for (Recordset rs(db, "SELECT Id, Description FROM Pages ORDER BY Id", 0, 1); !rs.Eof(); rs.MoveNext()) {
      titles[rs.Long("Id")] = rs.Str("Description");
    }
  }

  // The display drawn from its stored records into `path`, the elements of `marks` outlined.
  void Draw(int32_t displayId, const std::vector<ElementRow>& rows, const std::map<int32_t, int32_t>& marks,
            const std::string& path, int scale) {
    Connection& db = *project->conn;
    if (!fonts) fonts.emplace(db, context.codePage), images.emplace(db), texts.emplace(db);
    std::vector<PreviewElement> drawn;
    for (const ElementRow& r : rows) {
      const Bytes* record = Find(elements, r.id);
      auto mark = marks.find(r.id);
      drawn.push_back({record ? *record : Bytes{}, r.frame, mark == marks.end() ? 0 : mark->second, r.id});
    }
    auto canvas = DrawDisplay(displays.at(displayId), drawn, context, *fonts, *images, *texts, height);
    canvas->WritePng(path, scale);
  }

  std::vector<ElementRow> Rows(int32_t displayId) {
    const Bytes* record = Find(displays, displayId);
    return ElementsOf(*project->conn, displayId, record ? *record : Bytes{}, context);
  }

  std::shared_ptr<DiagnosticsLog> log;
  std::optional<OpenProject> project;
  DecodeContext context;
  int32_t height = 0;
  std::map<int32_t, Bytes> displays, elements;
  std::map<std::string, Bytes> others;
  std::map<int32_t, std::string> titles;
  UnitLabels labels;
  std::optional<PanelFonts> fonts;
  std::optional<PanelImages> images;
  std::optional<TextTable> texts;
};

// One line of the page's tables: a field of an item, before and after.
struct ChangeRow {
  std::string item, field, before, after;
};

std::string Shown(const std::optional<DecodedField>& f, const UnitLabels& labels) {
  return f ? FieldShown(*f, labels) : "(absent)";
}

// The rows of what changed from `was` to `is` (either may be absent), the item named `item`.
void AddRows(std::vector<ChangeRow>& rows, const std::string& item, const Bytes* was, const Bytes* is,
             const Side& older, const Side& newer) {
  if (!was || !is) {
    rows.push_back({item, "record", was ? std::to_string(was->size()) + " bytes" : "(none)",
                    is ? std::to_string(is->size()) + " bytes" : "(none)"});
    return;
  }
  RecordChanges changes = CompareRecords(DecodeRecord(*was, older.context), DecodeRecord(*is, newer.context));
  for (const FieldChange& c : changes.fields) {
    rows.push_back({item, c.name, Shown(c.before, older.labels), Shown(c.after, newer.labels)});
  }
  for (const EntryChange& e : changes.entries) {
    std::ostringstream line;
    WriteChangesText(line, "", RecordChanges{{}, {e}}, older.labels, newer.labels);
    std::string text = line.str();
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of('\n') + 1);
    rows.push_back({item, text, "", ""});
  }
  if (changes.Empty()) rows.push_back({item, "record", "other bytes", "the same fields"});
}

struct DisplayChange {
  int32_t id = 0;
  std::string title;
  std::string before, after;  // the pictures' file names; "" when the side has no such display
  std::vector<ChangeRow> rows;
};

void WriteTable(std::ostream& out, const std::vector<ChangeRow>& rows) {
  out << "<table><tr><th>item</th><th>field</th><th>before</th><th>after</th></tr>\n";
  for (const ChangeRow& r : rows) {
    out << "<tr><td>" << HtmlEscaped(r.item) << "</td><td>" << HtmlEscaped(r.field) << "</td><td>"
        << HtmlEscaped(r.before) << "</td><td>" << HtmlEscaped(r.after) << "</td></tr>\n";
  }
  out << "</table>\n";
}

void WritePicture(std::ostream& out, const std::string& image, const char* side) {
  out << "<figure>";
  if (image.empty()) {
    out << "<p>(no such display)</p>";
  } else {
    out << "<img src=\"" << HtmlEscaped(image) << "\" alt=\"" << side << "\">";
  }
  out << "<figcaption>" << side << "</figcaption></figure>\n";
}

void WritePage(std::ostream& out, const PreviewDiffOptions& o, const std::vector<DisplayChange>& displays,
               const std::vector<ChangeRow>& others) {
  WriteHtmlHead(out, "Changes from " + o.older + " to " + o.newer);
  if (displays.empty() && others.empty()) out << "<p>The downloads are the same.</p>\n";
  if (!others.empty()) {
    out << "<h2>Other units</h2>\n";
    WriteTable(out, others);
  }
  for (const DisplayChange& d : displays) {
    out << "<h2>display " << d.id << " (" << HtmlEscaped(d.title) << ")</h2>\n<section>\n";
    WritePicture(out, d.before, "before");
    WritePicture(out, d.after, "after");
    out << "</section>\n";
    WriteTable(out, d.rows);
  }
  out << "</body></html>\n";
}

std::string ElementItem(int32_t id, const std::vector<ElementRow>& a, const std::vector<ElementRow>& b, int mark) {
  std::string name;
  for (const auto* rows : {&b, &a}) {
    for (const ElementRow& r : *rows) {
      if (r.id == id && name.empty()) name = r.name;
    }
  }
  return "[" + std::to_string(mark) + "] element " + std::to_string(id) + " (" + name + ")";
}

}  // namespace

int PreviewDiff(const PreviewDiffOptions& o, std::ostream& out) {
  Side older(o.older, o.busyTimeout);
  Side newer(o.newer, o.busyTimeout);
  CheckPanelSize(newer.context.screenWidth, newer.height, o.scale);
  CheckPanelSize(older.context.screenWidth, older.height, o.scale);
  fs::create_directories(o.output);

  std::vector<ChangeRow> others;
  std::set<std::string> labels;
  for (const auto* side : {&older, &newer}) {
    for (const auto& [label, data] : side->others) labels.insert(label);
  }
  for (const std::string& label : labels) {
    auto was = older.others.find(label), is = newer.others.find(label);
    const Bytes* a = was == older.others.end() ? nullptr : &was->second;
    const Bytes* b = is == newer.others.end() ? nullptr : &is->second;
    if (Differ(a, b)) AddRows(others, label, a, b, older, newer);
  }

  std::set<int32_t> displayIds;
  for (const auto* side : {&older, &newer}) {
    for (const auto& [id, title] : side->titles) displayIds.insert(id);
    for (const auto& [id, data] : side->displays) displayIds.insert(id);
  }
  std::vector<DisplayChange> changed;
  for (int32_t id : displayIds) {
    std::vector<ElementRow> was = older.Rows(id), is = newer.Rows(id);
    std::set<int32_t> ids;
    for (const auto* rows : {&was, &is}) {
      for (const ElementRow& r : *rows) ids.insert(r.id);
    }
    DisplayChange change{id, newer.titles.contains(id) ? newer.titles[id] : older.titles[id], "", "", {}};
    const Bytes* before = Find(older.displays, id);
    const Bytes* after = Find(newer.displays, id);
    if (Differ(before, after)) AddRows(change.rows, "display " + std::to_string(id), before, after, older, newer);
    std::map<int32_t, int32_t> marks;
    for (int32_t element : ids) {
      const Bytes* a = Find(older.elements, element);
      const Bytes* b = Find(newer.elements, element);
      if (!Differ(a, b)) continue;
      int32_t mark = static_cast<int32_t>(marks.size()) + 1;
      marks[element] = mark;
      AddRows(change.rows, ElementItem(element, was, is, mark), a, b, older, newer);
    }
    if (change.rows.empty()) continue;
    std::string stem = "display-" + std::to_string(id);
    if (before) {
      change.before = stem + "-before.png";
      older.Draw(id, was, marks, (fs::path(o.output) / change.before).string(), o.scale);
    }
    if (after) {
      change.after = stem + "-after.png";
      newer.Draw(id, is, marks, (fs::path(o.output) / change.after).string(), o.scale);
    }
    changed.push_back(std::move(change));
  }

  std::string indexPath = (fs::path(o.output) / "index.html").string();
  RefuseProjectOutput(indexPath, o.older);
  RefuseProjectOutput(indexPath, o.newer);
  std::ofstream index(indexPath);
  WritePage(index, o, changed, others);
  if (!index.flush()) throw RuntimeError("Cannot write the review page ('" + indexPath + "'): " + std::strerror(errno));

  for (const ChangeRow& r : others) out << r.item << " " << r.field << ": " << r.before << " -> " << r.after << '\n';
  for (const DisplayChange& d : changed) {
    for (const ChangeRow& r : d.rows) {
      out << (r.item.starts_with("display") ? "" : "display " + std::to_string(d.id) + " ") << r.item << " " << r.field;
      if (!r.before.empty() || !r.after.empty()) out << ": " << r.before << " -> " << r.after;
      out << '\n';
    }
  }
  out << changed.size() << " displays changed, drawn into " << o.output << '\n';
  return changed.empty() && others.empty() ? 0 : 1;
}

}  // namespace brisklet::cli
