// A finding of our own checks: its rule, its severity as configured, the text, and the item it
// is about (module, display, element), or the configuration file's line it is about.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "host/DesignMessage.h"
#include "lint/Severity.h"

namespace brisklet {

struct LintFinding {
  int32_t rule = 0;  // 101 is written "BRK101"
  // The part of its check that found it: a check reports its parts one after the other, each in
  // the order of its displays.
  int32_t part = 0;
  LintSeverity severity = LintSeverity::Warning;
  std::string message;
  int32_t moduleId = 0;
  std::string moduleName;
  int32_t displayId = 0;  // 0: about no one display
  std::string displayName;
  MessageElement element{};  // id 0: about no one element
  // A finding about the configuration itself: its file and line (empty: about the project).
  std::string file;
  int line = 0;
  int column = 0;
};

using LintFindings = std::vector<LintFinding>;

}  // namespace brisklet
