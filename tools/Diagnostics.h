// What a command has to say besides its output: the compiler's errors and warnings, the
// host's notices and a run-time failure. They are collected while the work runs and written
// once it is over (and the compile stored), so output that stops early can never undo a
// compile: as text (one line each), JSON (one object per line) or one SARIF 2.1.0 document.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "host/FindingSink.h"

namespace brisklet::cli {

enum class DiagnosticsFormat { Text, Json, Sarif };

struct Diagnostic {
  std::string severity;  // "error", "warning", "notice" or "failure"
  std::string module;
  std::string location;
  std::string message;
  int moduleId = 0;
  int displayId = 0;
  int rule = 0;              // an error's or warning's rule number (2: "BRK002")
  MessageElement element{};  // the element it is about (id 0: none)
};

class DiagnosticsLog : public FindingSink {
 public:
  void AddFinding(const DesignMessage& finding) override;
  void Notice(const std::string& text) { mItems.push_back({"notice", "", "", text}); }
  void Failure(const std::string& text) { mItems.push_back({"failure", "", "", text}); }

  void WriteTo(std::ostream& out, DiagnosticsFormat format) const;
  const std::vector<Diagnostic>& Items() const { return mItems; }

 private:
  std::vector<Diagnostic> mItems;
};

// A text as one line of at most 200 bytes: line breaks become blanks, a longer text is cut
// (at a character boundary) and ends in "...".
std::string OneLine(const std::string& text);

// The SARIF 2.1.0 document of a run's diagnostics.
void WriteSarif(std::ostream& out, const std::vector<Diagnostic>& items);

}  // namespace brisklet::cli
