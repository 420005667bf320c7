// brisklet preview --diff: a review page of a change to the download. Each display whose
// records differ between two projects is drawn before and after, its changed elements
// outlined and numbered, with a table of the fields that changed.
#pragma once
#include <ostream>
#include <string>

namespace brisklet::cli {

struct PreviewDiffOptions {
  std::string older, newer;  // projects: database files or text project folders
  std::string output;        // the folder of index.html and the pictures
  int scale = 1;
  int busyTimeout = 5;
};

// Writes the page and says what it found on `out`; 0 when the downloads are equal, 1 when
// anything differs. Both projects are compiled on private copies; their findings are not told.
int PreviewDiff(const PreviewDiffOptions& o, std::ostream& out);

}  // namespace brisklet::cli
