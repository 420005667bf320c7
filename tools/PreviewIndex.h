// The index.html of `preview --all`: every display's picture with its counts and findings
// beside it, the project's own findings and notices first. One file, no scripts, no external
// fonts or styles: it reads the same offline.
#pragma once
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "PreviewFindings.h"

namespace brisklet::cli {

struct PreviewPage {
  std::string title;  // "display 1 (Home)"
  std::string image;  // the PNG's file name, beside index.html
  std::vector<PreviewFinding> findings;
  std::vector<std::string> notices;  // what the picture could not show
};

// What the whole project was told: findings about no display (the trends tree) and notices.
struct ProjectFindings {
  std::vector<PreviewFinding> findings;
  std::vector<std::string> notices;
};

// One display's section, written as the display is drawn.
void WritePreviewPage(std::ostream& out, const PreviewPage& page);
// The whole page: the project's findings and notices, then `pages`, the sections as
// WritePreviewPage wrote them.
void WritePreviewIndex(std::ostream& out, const std::string& project, std::istream& pages,
                       const ProjectFindings& general);

// A text for HTML: & < > " escaped.
std::string HtmlEscaped(const std::string& text);
// The head of a page of that title, with the style the preview's pages share, and its <h1>.
void WriteHtmlHead(std::ostream& out, const std::string& title);
// "<b>2</b> error [BRK001] element 28: ..." as one list item.
void WriteFindingItem(std::ostream& out, const PreviewFinding& f);

}  // namespace brisklet::cli
