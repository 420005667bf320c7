// Collecting and writing a command's diagnostics as text or JSON lines.
#include "Diagnostics.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "host/MessageRules.h"

namespace brisklet::cli {
namespace {

constexpr size_t kLongestName = 40;  // a module, display or element name in a text line

const char* ColorOf(const std::string& severity) {
  if (severity == "warning") return "\033[1;35m";
  if (severity == "notice" || severity == "note") return "\033[1;36m";
  return "\033[1;31m";  // an error or a failure
}

std::string Plural(int count, const char* noun) { return std::to_string(count) + " " + noun + (count == 1 ? "" : "s"); }

// "Main / Setup / Box [17]": the names the finding has, each shortened.
std::string PlaceText(const Diagnostic& d) {
  std::string place;
  auto add = [&place](const std::string& part) {
    if (part.empty()) return;
    place += (place.empty() ? "" : " / ") + part;
  };
  add(Shortened(Flattened(d.module), kLongestName));
  add(Shortened(Flattened(d.location), kLongestName));
  std::string element = Shortened(Flattened(d.element.name), kLongestName);
  if (d.element.id != 0) element += (element.empty() ? "[" : " [") + std::to_string(d.element.id) + "]";
  add(element);
  return place;
}

std::string TextLine(const Diagnostic& d, const DiagnosticsStyle& style) {
  auto paint = [&style](const std::string& text, const char* color) {
    return style.color ? color + text + "\033[0m" : text;
  };
  std::string where = style.project.empty() ? "brisklet" : style.project;
  if (!d.file.empty()) where = d.file + ":" + std::to_string(d.line) + ":" + std::to_string(d.column);
  std::string line = paint(where + ":", "\033[1m") + " ";
  std::string place = IsFinding(d) ? PlaceText(d) : "";
  if (!place.empty()) line += paint(place + ":", "\033[1m") + " ";
  std::string label = d.severity + (IsFinding(d) ? "[" + RuleId(d.rule) + "]" : "");
  return line + paint(label + ":", ColorOf(d.severity)) + " " + Flattened(d.message) + (d.lint ? " [lint]" : "");
}

std::string JsonLine(const Diagnostic& d, const std::string& project) {
  using Json = nlohmann::json;
  Json line = {{"project", project}, {"severity", d.severity}, {"message", d.message}};
  if (IsFinding(d)) {
    line["rule"] = RuleId(d.rule);
    if (d.lint) line["family"] = "lint";
    if (!d.file.empty()) {
      line["file"] = d.file;
      line["line"] = d.line;
      line["column"] = d.column;
    }
    if (d.moduleId != 0 || !d.module.empty()) line["module"] = {{"id", d.moduleId}, {"name", d.module}};
    if (d.displayId != 0) {
      line["display"] = {{"id", d.displayId}, {"name", d.location}};
      if (d.displayGuid != 0) line["display"]["guid"] = d.displayGuid;
    } else if (!d.location.empty()) {
      line["location"] = d.location;  // outside the displays: "Trends Tree: Line speed"
    }
    if (d.element.id != 0 || !d.element.name.empty()) {
      Json element = {{"name", d.element.name}};
      if (d.element.id != 0) element["id"] = d.element.id;
      if (d.element.guid != 0) element["guid"] = d.element.guid;
      line["element"] = element;
    }
  }
  return line.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// What every finding has: its severity and rule, its module, display and element, its text.
Diagnostic FindingOf(const char* severity, int rule, const std::string& module, int moduleId,
                     const std::string& display, int displayId, const MessageElement& element,
                     const std::string& message) {
  Diagnostic d;
  d.severity = severity;
  d.rule = rule;
  d.module = module;
  d.moduleId = moduleId;
  d.location = display;
  d.displayId = displayId;
  d.element = element;
  d.message = message;
  return d;
}

}  // namespace

void DiagnosticsLog::AddFinding(const DesignMessage& f) {
  Diagnostic d = FindingOf(f.severity == 0 ? "error" : "warning", f.rule, f.moduleName, f.moduleId, f.location,
                           f.displayId, f.element, f.message);
  Place(d);
  mItems.push_back(std::move(d));
}

// A finding about the configuration file keeps its place there; one about the project gets its
// place in the project.
void DiagnosticsLog::AddLintFinding(LintFinding&& f) {
  Diagnostic d;
  d.severity = SeverityName(f.severity);
  d.rule = f.rule;
  d.module = std::move(f.moduleName);
  d.moduleId = f.moduleId;
  d.location = std::move(f.displayName);
  d.displayId = f.displayId;
  d.element = std::move(f.element);
  d.message = std::move(f.message);
  d.lint = true;
  d.file = std::move(f.file);
  d.line = f.line;
  d.column = f.column;
  if (d.file.empty()) Place(d);
  mItems.push_back(std::move(d));
}

// The display's GUID, and where a text project writes the element or display.
void DiagnosticsLog::Place(Diagnostic& d) const {
  if (d.displayId != 0 && mGuidOf) d.displayGuid = mGuidOf(d.displayId);
  if (mPlaceOf && (d.element.id != 0 || d.displayId != 0)) {
    if (auto at = mPlaceOf(d.element.id, d.displayId)) {
      d.file = at->file;
      d.line = at->line;
      d.column = at->column;
    }
  }
}

bool IsFinding(const Diagnostic& d) { return d.severity == "error" || d.severity == "warning" || d.severity == "note"; }

int DiagnosticsLog::Count(const std::string& severity) const {
  return static_cast<int>(
      std::count_if(mItems.begin(), mItems.end(), [&severity](const Diagnostic& d) { return d.severity == severity; }));
}

int DiagnosticsLog::CountLint(const std::string& severity) const {
  return static_cast<int>(std::count_if(mItems.begin(), mItems.end(),
                                        [&severity](const Diagnostic& d) { return d.lint && d.severity == severity; }));
}

std::string DiagnosticsLog::Summary() const {
  int notes = Count("note"), notices = Count("notice");
  if (Count("error") + Count("warning") + notes + notices == 0) return "";
  std::string summary = Plural(Count("error"), "error") + ", " + Plural(Count("warning"), "warning");
  if (notes > 0) summary += ", " + Plural(notes, "note");
  return notices > 0 ? summary + ", " + Plural(notices, "notice") : summary;
}

std::string Flattened(const std::string& text) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    line += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
  }
  return line;
}

std::string Shortened(const std::string& text, size_t longest) {
  if (text.size() <= longest) return text;
  size_t cut = longest - 3;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
  return text.substr(0, cut) + "...";
}

void DiagnosticsLog::WriteTo(std::ostream& out, const DiagnosticsStyle& style) const {
  if (style.format == DiagnosticsFormat::Sarif) {
    WriteSarif(out, mItems, style.project);
    return;
  }
  for (const Diagnostic& d : mItems) {
    if (style.quiet && (d.severity == "warning" || d.severity == "note" || d.severity == "notice")) continue;
    out << (style.format == DiagnosticsFormat::Json ? JsonLine(d, style.project) : TextLine(d, style)) << '\n';
  }
}

}  // namespace brisklet::cli
