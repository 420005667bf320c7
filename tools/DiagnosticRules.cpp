// The rule table of the compiler's messages. Ids are never reused or renumbered; a new kind
// of message gets the next free id (docs/diagnostics.md lists them).
#include "DiagnosticRules.h"

#include <regex>
#include <vector>

namespace brisklet::cli {
namespace {

// clang-format off
const DiagnosticRule kRules[] = {
  {"BRK000", "Other", "A message of no known kind.", ".*"},
  {"BRK001", "TextDoesNotFit", "An element's text does not fit its frame.",
   R"((.*?)(?: on (?:Module: .*?, )?(?:Display: .*)?)? is too small to fit text inside\. Please resize it to solve the problem\.)"},
  {"BRK002", "TooSmallFor3D", "A 3D-framed element is too small for its frame.",
   R"(The Element: '(.*)' is too small for 3D)"},
  {"BRK003", "DuplicateTouchOperand", "Two or more elements of a display share a touch operand.",
   R"(The HMI Display: '.*' has 2 or more elements with the same touch operand address\. .*)"},
  {"BRK004", "TouchAndHideOnOneOperand", "An element's touch and hide operands are the same.",
   R"('(.*)' can not have both 'Touch' and 'Hide' linked to the same operand)"},
  {"BRK005", "TouchAndSwitchOnOneOperand", "A touch operand of a display is also a switch's operand.",
   R"(The HMI Display: '.*' contains element\(s\) with touch MB: .*, while it also contains Switch element\(s\) linked to the same MB)"},
  {"BRK006", "DuplicateVariableName", "Two or more variables have one name.",
   R"(2 Or more Vars have the Same Name: '(.*)'\. Those Vars Can be found on .*)"},
  {"BRK007", "TrendGraphSize", "A trend graph is outside the sizes the panel can show.",
   R"(The HMI element Trend Graph: '(.*)' either exceeds the maximum size .*)"},
  {"BRK008", "TrendWithoutCurves", "A trend of the trends tree has no curves.",
   R"(This Trend doesn't have any Curves configured)"},
  {"BRK009", "DuplicateTabIndex", "A display has two elements with one tab index.",
   R"(The Display contains duplicated Tab Indexes)"},
  {"BRK010", "FontNotInstalled", "An element's font is not among the project's fonts.",
   R"((.*): the font of this element is not installed in the project\..*)"},
  {"BRK011", "MeterNeedleOutside", "A meter's needle leaves the element's rectangle.",
   R"((.*) has the meter needle exceeding var boundaries\.)"},
  {"BRK012", "TrendHistoryTooShort", "A trend shows more points than its history holds.",
   R"(The number of points to show on Trend: '(.*)' is higher than the Max number of points in history\.)"},
  {"BRK013", "TrendXTicksReduced", "A trend's X ticks do not fit its plot.",
   R"(The number of X Ticks on Trend: '(.*)' exceeds the maximum, and will be reducued on download\.)"},
  {"BRK014", "TrendYTicksReduced", "A trend's Y ticks do not fit its plot.",
   R"(The number of Y Ticks on trend: '(.*)' exceeds the maximum, and will be reducued on download\.)"},
};
// clang-format on

const std::vector<std::regex>& Patterns() {
  static const std::vector<std::regex> patterns = [] {
    std::vector<std::regex> all;
    for (const DiagnosticRule& rule : kRules) all.emplace_back(rule.pattern);
    return all;
  }();
  return patterns;
}

}  // namespace

std::span<const DiagnosticRule> DiagnosticRules() { return kRules; }

Classified Classify(const std::string& message) {
  const auto& patterns = Patterns();
  for (size_t i = 1; i < patterns.size(); ++i) {
    std::smatch match;
    if (std::regex_match(message, match, patterns[i])) {
      return {&kRules[i], match.size() > 1 ? match[1].str() : std::string()};
    }
  }
  return {&kRules[0], ""};
}

}  // namespace brisklet::cli
