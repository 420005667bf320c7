// Collecting and writing a command's diagnostics.
#include "Diagnostics.h"

#include <nlohmann/json.hpp>

namespace brisklet::cli {

void DiagnosticsLog::AddFinding(const DesignMessage& f) {
  mItems.push_back({f.severity == 0 ? "error" : "warning", f.moduleName, f.location, f.message, f.moduleId, f.displayId,
                    f.rule, f.element});
}

std::string OneLine(const std::string& text) {
  constexpr size_t kLongest = 200;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    line += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
  }
  if (line.size() <= kLongest) return line;
  size_t cut = kLongest - 3;
  while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
  return line.substr(0, cut) + "...";
}

namespace {

std::string JsonLine(const Diagnostic& d) {
  nlohmann::json line = {{"severity", d.severity}, {"message", d.message}};
  if (d.severity == "error" || d.severity == "warning") {
    line = {{"severity", d.severity}, {"module_id", d.moduleId}, {"module", d.module},
            {"location", d.location}, {"message", d.message},    {"display_id", d.displayId}};
  }
  return line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string TextLine(const Diagnostic& d) {
  if (d.severity == "failure") return "brisklet: " + OneLine(d.message);
  if (d.severity == "notice") return "notice: " + OneLine(d.message);
  return d.severity + ": " + OneLine(d.module + " / " + d.location + ": " + d.message);
}

}  // namespace

void DiagnosticsLog::WriteTo(std::ostream& out, DiagnosticsFormat format) const {
  if (format == DiagnosticsFormat::Sarif) {
    WriteSarif(out, mItems);
    return;
  }
  for (const Diagnostic& d : mItems) out << (format == DiagnosticsFormat::Json ? JsonLine(d) : TextLine(d)) << '\n';
}

}  // namespace brisklet::cli
