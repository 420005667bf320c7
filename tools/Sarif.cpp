// The SARIF 2.1.0 document of a run: one rule per kind of message (with its description and
// help, linked into docs/diagnostics.md), one result per error or warning with the project
// file as its physical location and its module, display and element as logical locations;
// notices and a run-time failure are the invocation's notifications.
#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>

#include "Diagnostics.h"
#include "checks/CheckTable.h"
#include "lint/LintRules.h"

namespace brisklet::cli {
namespace {

using Json = nlohmann::json;

constexpr const char* kRulesPage = "docs/diagnostics.md#";

std::string Lowercase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The compiler's rules, then our own (tagged "lint", with their default level).
Json Rules(const std::vector<RuleText>& all) {
  Json rules = Json::array();
  for (const RuleText& rule : all) {
    std::string id = RuleId(rule.number);
    Json entry = {{"id", id},
                  {"name", rule.name},
                  {"shortDescription", {{"text", rule.summary}}},
                  {"fullDescription", {{"text", rule.description}}},
                  {"help", {{"text", rule.help}}},
                  {"helpUri", kRulesPage + Lowercase(id)}};
    if (const LintRule* lint = LintRuleOf(rule.number)) {
      LintSeverity level = lint->defaultSeverity;
      entry["defaultConfiguration"] = {{"level", level == LintSeverity::Off ? "none" : SeverityName(level)}};
      entry["properties"] = {{"tags", Json::array({"lint"})}};
    }
    rules.push_back(entry);
  }
  return rules;
}

// Every rule a result can name: the compiler's, then our own.
std::vector<RuleText> EveryRule() {
  std::vector<RuleText> all = AllRules();
  for (const LintRule& rule : LintRules()) all.push_back(rule.text);
  return all;
}

size_t RuleIndex(const std::vector<RuleText>& all, int rule) {
  auto found = std::ranges::find(all, rule, &RuleText::number);
  return static_cast<size_t>(found - all.begin());
}

// The project's path as a URI reference: a file: URI when absolute, else relative to the
// folder the tool ran in; bytes outside the unreserved set and '/' percent-encoded.
std::string UriOf(const std::string& path) {
  static const char* kHex = "0123456789ABCDEF";
  std::string uri = path.starts_with('/') ? "file://" : "";
  for (unsigned char c : path) {
    if (std::isalnum(c) || std::string_view("-._~/").find(static_cast<char>(c)) != std::string_view::npos) {
      uri += static_cast<char>(c);
    } else {
      uri += {'%', kHex[c >> 4], kHex[c & 15]};
    }
  }
  return uri;
}

// The module, the display and the element, each fully qualified ("Main/Setup/Box[17]"), the
// most specific first, with their IDs (and GUIDs) as properties.
Json LogicalLocations(const Diagnostic& d) {
  Json places = Json::array();
  std::string qualified;
  auto add = [&](const std::string& name, const char* kind, Json properties, const std::string& suffix = "") {
    qualified += (qualified.empty() ? "" : "/") + name + suffix;
    Json place = {{"name", name}, {"fullyQualifiedName", qualified}, {"kind", kind}, {"properties", properties}};
    places.insert(places.begin(), place);
  };
  if (d.moduleId != 0 || !d.module.empty()) add(d.module, "module", {{"id", d.moduleId}});
  if (d.displayId != 0) {
    Json properties = {{"id", d.displayId}};
    if (d.displayGuid != 0) properties["guid"] = d.displayGuid;
    add(d.location, "display", properties);
  } else if (!d.location.empty()) {
    Json place = {{"name", d.location}, {"fullyQualifiedName", d.location}};  // "Trends Tree: Line speed"
    places.push_back(place);
  }
  if (d.element.id != 0 || !d.element.name.empty()) {
    Json properties = Json::object();
    if (d.element.id != 0) properties["id"] = d.element.id;
    if (d.element.guid != 0) properties["guid"] = d.element.guid;
    add(d.element.name, "element", properties, d.element.id != 0 ? "[" + std::to_string(d.element.id) + "]" : "");
  }
  return places;
}

Json Result(const Diagnostic& d, const std::vector<RuleText>& all, const std::string& project) {
  Json location = {{"physicalLocation", {{"artifactLocation", {{"uri", UriOf(d.file.empty() ? project : d.file)}}}}}};
  if (!d.file.empty()) location["physicalLocation"]["region"] = {{"startLine", d.line}, {"startColumn", d.column}};
  Json places = LogicalLocations(d);
  if (!places.empty()) location["logicalLocations"] = places;
  Json result = {{"ruleId", RuleId(d.rule)},
                 {"ruleIndex", RuleIndex(all, d.rule)},
                 {"level", d.severity},
                 {"message", {{"text", d.message}}},
                 {"locations", Json::array({location})}};
  if (d.lint) result["properties"] = {{"family", "lint"}};
  return result;
}

}  // namespace

void WriteSarif(std::ostream& out, const std::vector<Diagnostic>& items, const std::string& project) {
  std::vector<RuleText> all = EveryRule();
  Json results = Json::array(), notifications = Json::array();
  bool failed = false;
  for (const Diagnostic& d : items) {
    if (IsFinding(d)) {
      results.push_back(Result(d, all, project));
    } else {
      failed = failed || d.severity == "failure";
      notifications.push_back(
          {{"level", d.severity == "failure" ? "error" : "note"}, {"message", {{"text", d.message}}}});
    }
  }
  Json run = {
      {"tool", {{"driver", {{"name", "brisklet"}, {"rules", Rules(all)}}}}},
      {"invocations", Json::array({{{"executionSuccessful", !failed}, {"toolExecutionNotifications", notifications}}})},
      {"results", results}};
  Json document = {
      {"$schema", "https://json.schemastore.org/sarif-2.1.0.json"}, {"version", "2.1.0"}, {"runs", Json::array({run})}};
  out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace brisklet::cli
