// A plain HTML page, no scripts: one section per display, the picture on the left and the
// numbered findings on the right.
#include "PreviewIndex.h"

namespace brisklet::cli {
namespace {

std::string Escaped(const std::string& text) {
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

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:1em}section{display:flex;gap:2em;margin-bottom:2em}"
    "img{image-rendering:pixelated;border:1px solid #888}.error{color:#b00}.warning{color:#a60}"
    "ol,ul{margin:0}";

}  // namespace

void WritePreviewIndex(std::ostream& out, const std::string& project, const std::vector<PreviewPage>& pages,
                       const std::vector<std::string>& notices) {
  out << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Preview of " << Escaped(project)
      << "</title>\n<style>" << kStyle << "</style></head><body>\n<h1>Preview of " << Escaped(project) << "</h1>\n";
  for (const std::string& notice : notices) out << "<p>" << Escaped(notice) << "</p>\n";
  for (const PreviewPage& page : pages) {
    out << "<h2>" << Escaped(page.title) << "</h2>\n<section><img src=\"" << Escaped(page.image) << "\" alt=\""
        << Escaped(page.title) << "\">\n<ul>\n";
    if (page.findings.empty()) out << "<li>no errors or warnings</li>\n";
    for (const PreviewFinding& f : page.findings) {
      out << "<li class=\"" << f.severity << "\">" << (f.mark > 0 ? "<b>" + std::to_string(f.mark) + "</b> " : "")
          << f.severity << ": " << Escaped(f.message) << "</li>\n";
    }
    out << "</ul></section>\n";
  }
  out << "</body></html>\n";
}

}  // namespace brisklet::cli
