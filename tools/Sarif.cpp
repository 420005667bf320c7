// The SARIF 2.1.0 document of a run: one rule per kind of message, one result per error or
// warning with its module, display and element as logical locations; notices and a run-time
// failure are the invocation's notifications.
#include <nlohmann/json.hpp>

#include "DiagnosticRules.h"
#include "Diagnostics.h"

namespace brisklet::cli {
namespace {

using Json = nlohmann::json;

Json Rules() {
  Json rules = Json::array();
  for (const DiagnosticRule& rule : DiagnosticRules()) {
    rules.push_back({{"id", rule.id}, {"name", rule.name}, {"shortDescription", {{"text", rule.description}}}});
  }
  return rules;
}

size_t RuleIndex(const DiagnosticRule* rule) { return static_cast<size_t>(rule - DiagnosticRules().data()); }

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

Json Result(const Diagnostic& d) {
  Classified c = Classify(d.message);
  Json properties = {{"moduleId", d.moduleId}, {"displayId", d.displayId}};
  return {{"ruleId", c.rule->id},
          {"ruleIndex", RuleIndex(c.rule)},
          {"level", d.severity == "error" ? "error" : "warning"},
          {"message", {{"text", d.message}}},
          {"locations", Json::array({{{"logicalLocations", LogicalLocations(d, c.element)}}})},
          {"properties", properties}};
}

}  // namespace

void WriteSarif(std::ostream& out, const std::vector<Diagnostic>& items) {
  Json results = Json::array(), notifications = Json::array();
  bool failed = false;
  for (const Diagnostic& d : items) {
    if (d.severity == "error" || d.severity == "warning") {
      results.push_back(Result(d));
    } else {
      failed = failed || d.severity == "failure";
      notifications.push_back(
          {{"level", d.severity == "failure" ? "error" : "note"}, {"message", {{"text", d.message}}}});
    }
  }
  Json run = {
      {"tool", {{"driver", {{"name", "brisklet"}, {"rules", Rules()}}}}},
      {"invocations", Json::array({{{"executionSuccessful", !failed}, {"toolExecutionNotifications", notifications}}})},
      {"results", results}};
  Json document = {
      {"$schema", "https://json.schemastore.org/sarif-2.1.0.json"}, {"version", "2.1.0"}, {"runs", Json::array({run})}};
  out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace brisklet::cli
