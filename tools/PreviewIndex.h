// The index.html of `preview --all`: every display's picture with its findings beside it.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "PreviewFindings.h"

namespace brisklet::cli {

struct PreviewPage {
  std::string title;  // "display 1 (Home)"
  std::string image;  // the PNG's file name, beside index.html
  std::vector<PreviewFinding> findings;
};

void WritePreviewIndex(std::ostream& out, const std::string& project, const std::vector<PreviewPage>& pages,
                       const std::vector<std::string>& notices);

}  // namespace brisklet::cli
