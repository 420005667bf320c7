// What a command has to say besides its output: the compiler's errors and warnings, the
// host's notices and a run-time failure. They are collected while the work runs and written
// once it is over (and the compile stored), so output that stops early can never undo a
// compile: as text (one line each, then a summary), JSON (one object per line) or one SARIF
// 2.1.0 document. docs/diagnostics.md shows each; docs/diagnostics.schema.json is the JSON's.
#pragma once
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/FindingSink.h"
#include "lint/LintFinding.h"

namespace brisklet::cli {

enum class DiagnosticsFormat { Text, Json, Sarif };

struct Diagnostic {
  std::string severity;  // "error", "warning", "note" (our own checks only), "notice" or "failure"
  std::string module;
  std::string location;  // the display's name
  std::string message;
  int moduleId = 0;
  int displayId = 0;         // 0: about no one display
  int rule = 0;              // an error's, warning's or note's rule number (2: "BRK002")
  bool lint = false;         // found by our own checks (BRK100 on), not by the compiler
  MessageElement element{};  // the element it is about (id 0: none)
  int displayGuid = 0;
  // Where a text project writes the element (or the display): its file as the user names it
  // ("examples/demo/displays/home.toml"), line and column; empty for a database project.
  std::string file;
  int line = 0;
  int column = 0;
};

// Where a text project writes an element (or, for element 0 or one it does not know, a display).
struct TextPlace {
  std::string file;
  int line = 0;
  int column = 0;
};

// How the diagnostics are written: the project's path as given (each line starts with it),
// colour (text only), and whether warnings and notices are left out.
struct DiagnosticsStyle {
  DiagnosticsFormat format = DiagnosticsFormat::Text;
  std::string project;
  bool color = false;
  bool quiet = false;
};

class DiagnosticsLog : public FindingSink {
 public:
  void AddFinding(const DesignMessage& finding) override;
  // A finding of our own checks (those turned off or suppressed never get here); its texts are
  // taken, not copied.
  void AddLintFinding(LintFinding&& finding);
  // Room for `more` diagnostics beyond those held, so that a long list added at once is not
  // copied into ever larger ones (the old list and one twice its size held together).
  void Reserve(size_t more) { mItems.reserve(mItems.size() + more); }
  // A diagnostic told again (a preview of one display passes on that display's).
  void Add(const Diagnostic& d) { mItems.push_back(d); }
  void Notice(const std::string& text) { mItems.push_back(Said("notice", text)); }
  void Failure(const std::string& text) { mItems.push_back(Said("failure", text)); }
  // The GUID of a display by its ID, asked once for each display a finding names.
  void SetDisplayGuids(std::function<int(int)> guidOf) { mGuidOf = std::move(guidOf); }
  // The place of a finding's element or display in a text project, asked for each finding.
  void SetTextPlaces(std::function<std::optional<TextPlace>(int, int)> placeOf) { mPlaceOf = std::move(placeOf); }

  void WriteTo(std::ostream& out, const DiagnosticsStyle& style) const;
  // "3 errors, 4 warnings, 2 notes, 1 notice" (what was found; "" when nothing was).
  std::string Summary() const;
  int Count(const std::string& severity) const;
  // The findings of that severity of our own checks alone.
  int CountLint(const std::string& severity) const;
  const std::vector<Diagnostic>& Items() const { return mItems; }

 private:
  std::vector<Diagnostic> mItems;
  static Diagnostic Said(const char* severity, const std::string& text) {
    Diagnostic d;
    d.severity = severity;
    d.message = text;
    return d;
  }
  std::function<int(int)> mGuidOf;
  std::function<std::optional<TextPlace>(int, int)> mPlaceOf;
  void Place(Diagnostic& d) const;
};

// Whether a diagnostic is a finding (an error, warning or note with its rule), not a notice or failure.
bool IsFinding(const Diagnostic& d);

// A text as one line: line breaks become blanks.
std::string Flattened(const std::string& text);
// A text of more than `longest` bytes cut (at a character boundary) to end in "...".
std::string Shortened(const std::string& text, size_t longest);
// A text as one line of at most 200 bytes.
inline std::string OneLine(const std::string& text) { return Shortened(Flattened(text), 200); }

// The SARIF 2.1.0 document of a run's diagnostics on `project`.
void WriteSarif(std::ostream& out, const std::vector<Diagnostic>& items, const std::string& project);

}  // namespace brisklet::cli
