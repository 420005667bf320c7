// A plain HTML page, no scripts: one section per display, the picture on the left and the
// counts and numbered findings on the right.
#include "PreviewIndex.h"

#include <algorithm>
#include <cstdio>

namespace brisklet::cli {
namespace {

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:1em}section{display:flex;gap:2em;margin-bottom:2em}"
    "img{image-rendering:pixelated;border:1px solid #888}.error{color:#b00}.warning{color:#a60}"
    ".note,.notice{color:#555}ol,ul{margin:0}table{border-collapse:collapse}td,th{border:1px solid #ccc;padding:2px "
    "6px}";

std::string Count(size_t n, const char* what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); }

size_t CountOf(const std::vector<PreviewFinding>& findings, const char* severity) {
  return std::ranges::count(findings, std::string(severity), &PreviewFinding::severity);
}

void WriteNotices(std::ostream& out, const std::vector<std::string>& notices) {
  for (const std::string& notice : notices) out << "<li class=\"notice\">notice: " << HtmlEscaped(notice) << "</li>\n";
}

}  // namespace

std::string HtmlEscaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

void WriteHtmlHead(std::ostream& out, const std::string& title) {
  out << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" << HtmlEscaped(title) << "</title>\n<style>"
      << kStyle << "</style></head><body>\n<h1>" << HtmlEscaped(title) << "</h1>\n";
}

void WriteFindingItem(std::ostream& out, const PreviewFinding& f) {
  out << "<li class=\"" << f.severity << "\">" << (f.mark > 0 ? "<b>" + std::to_string(f.mark) + "</b> " : "")
      << f.severity;
  if (f.rule > 0) {
    char rule[16];
    std::snprintf(rule, sizeof rule, "BRK%03d", f.rule);
    out << " [" << rule << "]";
  }
  for (size_t i = 0; i < f.elements.size(); ++i) out << (i == 0 ? " element " : ", ") << f.elements[i];
  out << ": " << HtmlEscaped(f.message) << (f.lint ? " <i>(lint)</i>" : "") << "</li>\n";
}

void WritePreviewPage(std::ostream& out, const PreviewPage& page) {
  out << "<h2>" << HtmlEscaped(page.title) << "</h2>\n<section><img src=\"" << HtmlEscaped(page.image) << "\" alt=\""
      << HtmlEscaped(page.title) << "\">\n<div><p>" << Count(CountOf(page.findings, "error"), "error") << ", "
      << Count(CountOf(page.findings, "warning"), "warning") << ", " << Count(page.notices.size(), "notice")
      << "</p>\n<ul>\n";
  for (const PreviewFinding& f : page.findings) WriteFindingItem(out, f);
  WriteNotices(out, page.notices);
  out << "</ul></div></section>\n";
}

void WritePreviewIndex(std::ostream& out, const std::string& project, std::istream& pages,
                       const ProjectFindings& general) {
  WriteHtmlHead(out, "Preview of " + project);
  if (!general.findings.empty() || !general.notices.empty()) {
    out << "<h2>The project</h2>\n<ul>\n";
    for (const PreviewFinding& f : general.findings) WriteFindingItem(out, f);
    WriteNotices(out, general.notices);
    out << "</ul>\n";
  }
  if (pages.peek() != std::istream::traits_type::eof()) out << pages.rdbuf();
  out << "</body></html>\n";
}

}  // namespace brisklet::cli
