// The SARIF 2.1.0 document of a run: one rule per kind of message, one result per error or
// warning with its module, display and element as logical locations; notices and a run-time
// failure are the invocation's notifications.
#include <algorithm>
#include <nlohmann/json.hpp>

#include "Diagnostics.h"
#include "checks/CheckTable.h"

namespace brisklet::cli {
namespace {

using Json = nlohmann::json;

Json Rules(const std::vector<RuleText>& all) {
  Json rules = Json::array();
  for (const RuleText& rule : all) {
    rules.push_back({{"id", RuleId(rule.number)}, {"name", rule.name}, {"shortDescription", {{"text", rule.summary}}}});
  }
  return rules;
}

size_t RuleIndex(const std::vector<RuleText>& all, int rule) {
  auto found = std::ranges::find(all, rule, &RuleText::number);
  return static_cast<size_t>(found - all.begin());
}

Json LogicalLocations(const Diagnostic& d, const std::string& element) {
  Json places = Json::array();
  places.push_back({{"name", d.module}, {"kind", "module"}});
  std::string display = d.module + "/" + d.location;
  places.push_back({{"name", d.location}, {"fullyQualifiedName", display}, {"kind", "display"}});
  if (!element.empty()) {
    places.push_back({{"name", element}, {"fullyQualifiedName", display + "/" + element}, {"kind", "element"}});
  }
  return places;
}

Json Result(const Diagnostic& d, const std::vector<RuleText>& all) {
  Json properties = {{"moduleId", d.moduleId}, {"displayId", d.displayId}};
  return {{"ruleId", RuleId(d.rule)},
          {"ruleIndex", RuleIndex(all, d.rule)},
          {"level", d.severity == "error" ? "error" : "warning"},
          {"message", {{"text", d.message}}},
          {"locations", Json::array({{{"logicalLocations", LogicalLocations(d, d.element.name)}}})},
          {"properties", properties}};
}

}  // namespace

void WriteSarif(std::ostream& out, const std::vector<Diagnostic>& items) {
  std::vector<RuleText> all = AllRules();
  Json results = Json::array(), notifications = Json::array();
  bool failed = false;
  for (const Diagnostic& d : items) {
    if (d.severity == "error" || d.severity == "warning") {
      results.push_back(Result(d, all));
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
