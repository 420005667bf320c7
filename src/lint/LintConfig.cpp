// brisklet.toml read with toml++, and the findings as it configures them.
#include "lint/LintConfig.h"

#include <toml++/toml.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "lint/LintRules.h"

namespace brisklet {
namespace {

// ASCII case folded, line breaks as blanks: names compare as the project's Text column does.
std::string Folded(const std::string& name) {
  std::string folded;
  for (size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    if (c == '\r' && i + 1 < name.size() && name[i + 1] == '\n') continue;
    folded += c == '\r' || c == '\n' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return folded;
}

class Reader {
 public:
  Reader(LintConfig& config, std::vector<ConfigProblem>& problems) : mConfig(config), mProblems(problems) {}

  void Read(const toml::table& file) {
    for (const auto& [key, node] : file) {
      if (key == "rules" && node.is_table()) {
        ReadSeverities(*node.as_table());
      } else if (key == "suppress" && node.is_array_of_tables()) {
        for (const toml::node& entry : *node.as_array()) ReadSuppression(*entry.as_table());
      } else {
        Problem(node,
                "unknown key '" + std::string(key.str()) + "': the file has a [rules] table and [[suppress]] entries");
      }
    }
  }

 private:
  void Problem(const toml::node& at, const std::string& text) {
    mProblems.push_back({static_cast<int>(at.source().begin.line), static_cast<int>(at.source().begin.column), text});
  }

  // The rule a value names; a rule of the compiler's messages cannot be configured here.
  const LintRule* RuleOf(const toml::node& at, std::string_view idOrName) {
    const LintRule* rule = LintRuleNamed(idOrName);
    if (rule) return rule;
    bool compilers = idOrName.size() == 6 && idOrName.starts_with("BRK0");
    Problem(at, compilers ? std::string(idOrName) +
                                " is a rule of the compiler's own checks: its severity and findings stay as the "
                                "compiler gives them"
                          : "unknown rule '" + std::string(idOrName) + "' (the rules are BRK100 to BRK" +
                                std::to_string(LintRules().back().text.number) + ", by id or name)");
    return nullptr;
  }

  void ReadSeverities(const toml::table& rules) {
    for (const auto& [key, node] : rules) {
      const LintRule* rule = RuleOf(node, key.str());
      if (!rule) continue;
      std::optional<LintSeverity> severity =
          node.is_string() ? SeverityNamed(*node.value<std::string>()) : std::nullopt;
      if (!severity) {
        Problem(node,
                "the severity of " + std::string(key.str()) + " is one of \"off\", \"note\", \"warning\", \"error\"");
        continue;
      }
      mConfig.severities[rule->text.number] = *severity;
    }
  }

  // An ID or a name: a whole number or a text.
  bool ReadItem(const toml::node& node, const char* what, std::optional<int32_t>& id,
                std::optional<std::string>& name) {
    if (auto n = node.value<int64_t>(); n && node.is_integer() && *n >= 0 && *n <= INT32_MAX) {
      id = static_cast<int32_t>(*n);
    } else if (node.is_string()) {
      name = *node.value<std::string>();
    } else {
      Problem(node, std::string(what) + " is an ID (a whole number) or a name (a text)");
      return false;
    }
    return true;
  }

  void ReadSuppression(const toml::table& entry) {
    Suppression s;
    s.line = static_cast<int>(entry.source().begin.line);
    s.column = static_cast<int>(entry.source().begin.column);
    bool ok = true;
    for (const auto& [key, node] : entry) {
      if (key == "rule" && node.is_string()) {
        const LintRule* rule = RuleOf(node, *node.value<std::string>());
        ok = ok && rule;
        if (rule) s.rule = rule->text.number;
      } else if (key == "element") {
        ok = ReadItem(node, "element", s.elementId, s.elementName) && ok;
      } else if (key == "display") {
        ok = ReadItem(node, "display", s.displayId, s.displayName) && ok;
      } else if (key == "reason" && node.is_string()) {
        s.reason = *node.value<std::string>();
      } else {
        Problem(node, "unknown key '" + std::string(key.str()) +
                          "' of a suppression (rule, element, display and reason, the last three texts or IDs)");
        ok = false;
      }
    }
    if (!ok) return;
    if (s.rule == 0) {
      Problem(entry, "a suppression names its rule: rule = \"BRK106\"");
    } else if (!s.elementId && !s.elementName && !s.displayId && !s.displayName) {
      Problem(entry, "a suppression names an element or a display: element = 17 or display = \"Home\"");
    } else if (s.elementId && (s.displayId || s.displayName)) {
      Problem(entry, "an element named by its ID needs no display");
    } else if (s.reason.find_first_not_of(" \t") == std::string::npos) {
      Problem(entry, "a suppression says why: reason = \"...\"");
    } else {
      mConfig.suppressions.push_back(std::move(s));
    }
  }

  LintConfig& mConfig;
  std::vector<ConfigProblem>& mProblems;
};

}  // namespace

bool Suppression::Matches(const LintFinding& f) const {
  if (f.rule != rule) return false;
  if (elementId) return f.element.id == *elementId;
  if (displayId && f.displayId != *displayId) return false;
  if (displayName && (f.displayId == 0 || Folded(f.displayName) != Folded(*displayName))) return false;
  if (elementName)
    return (f.element.id != 0 || !f.element.name.empty()) && Folded(f.element.name) == Folded(*elementName);
  return true;
}

std::string Suppression::Target() const {
  auto named = [](const char* what, const std::optional<int32_t>& id, const std::optional<std::string>& name) {
    return std::string(what) + (id ? " " + std::to_string(*id) : " '" + *name + "'");
  };
  if (elementId || elementName) {
    std::string element = named("element", elementId, elementName);
    return displayId || displayName ? element + " of " + named("display", displayId, displayName) : element;
  }
  return named("display", displayId, displayName);
}

LintSeverity LintConfig::SeverityOf(int32_t rule) const {
  auto set = severities.find(rule);
  if (set != severities.end()) return set->second;
  const LintRule* known = LintRuleOf(rule);
  return known ? known->defaultSeverity : LintSeverity::Warning;
}

LintConfig ParseLintConfig(const std::string& text, const std::string& file, std::vector<ConfigProblem>& problems) {
  LintConfig config;
  config.file = file;
  try {
    toml::table table = toml::parse(text, file);
    std::vector<ConfigProblem> found;
    Reader(config, found).Read(table);
    // A table's keys come sorted by name: the mistakes are told in the order of the file.
    std::ranges::stable_sort(found, {}, [](const ConfigProblem& p) { return std::pair(p.line, p.column); });
    problems.insert(problems.end(), found.begin(), found.end());
  } catch (const toml::parse_error& e) {
    problems.push_back({static_cast<int>(e.source().begin.line), static_cast<int>(e.source().begin.column),
                        std::string(e.description())});
  }
  return config;
}

LintConfig ReadLintConfig(const std::string& path, std::vector<ConfigProblem>& problems) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    problems.push_back({0, 0, "cannot be read"});
    LintConfig config;
    config.file = path;
    return config;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return ParseLintConfig(text.str(), path, problems);
}

LintFindings Configured(LintFindings found, const LintConfig& config) {
  std::vector<bool> used(config.suppressions.size(), false);
  LintFindings kept;
  for (LintFinding& f : found) {
    f.severity = config.SeverityOf(f.rule);
    if (f.severity == LintSeverity::Off) continue;
    bool suppressed = false;
    for (size_t i = 0; i < config.suppressions.size(); ++i) {
      if (config.suppressions[i].Matches(f)) suppressed = used[i] = true;
    }
    if (!suppressed) kept.push_back(std::move(f));
  }
  LintSeverity unused = config.SeverityOf(kUnusedSuppression);
  for (size_t i = 0; i < config.suppressions.size() && unused != LintSeverity::Off; ++i) {
    const Suppression& s = config.suppressions[i];
    if (used[i] || config.SeverityOf(s.rule) == LintSeverity::Off) continue;
    LintFinding f;
    f.rule = kUnusedSuppression;
    f.severity = unused;
    f.message = "the suppression of " + RuleId(s.rule) + " for " + s.Target() + " matches no finding";
    f.file = config.file;
    f.line = s.line;
    f.column = s.column;
    kept.push_back(std::move(f));
  }
  return kept;
}

}  // namespace brisklet
