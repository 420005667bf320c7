// Text and JSON of decoded records and of their changes.
#include "RecordOutput.h"

#include <charconv>
#include <iomanip>

#include "Diagnostics.h"

namespace brisklet::cli {
namespace {

constexpr size_t kNameWidth = 44;

std::string Padded(const std::string& name) {
  return name.size() < kNameWidth ? name + std::string(kNameWidth - name.size(), ' ') : name + " ";
}

}  // namespace

void WriteUnitText(std::ostream& out, const DecodedUnit& unit) {
  out << unit.label << ": " << unit.data.size() << " bytes\n";
  for (const DecodedField& f : unit.record.fields) {
    out << std::setw(6) << f.offset << std::setw(4) << f.size << "  " << Padded(f.name) << f.value;
    if (!f.meaning.empty()) out << " = " << f.meaning;
    out << '\n';
  }
  for (const std::string& problem : unit.record.problems) out << "  problem: " << problem << '\n';
  for (const KeptFinding& f : unit.findings) {
    out << "  made with " << (f.severity == "error" ? "an " : "a ") << f.severity << ": " << OneLine(f.message) << '\n';
  }
}

std::optional<int64_t> NumberOf(const std::string& value) {
  int64_t n = 0;
  auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
  if (error != std::errc() || end != value.data() + value.size() || value.empty()) return std::nullopt;
  return n;
}

nlohmann::ordered_json TypedValue(const std::string& value) {
  if (std::optional<int64_t> n = NumberOf(value)) return *n;
  return value;
}

nlohmann::ordered_json UnitJson(const DecodedUnit& unit) {
  nlohmann::ordered_json fields = nlohmann::ordered_json::array();
  for (const DecodedField& f : unit.record.fields) {
    nlohmann::ordered_json field = {{"offset", f.offset}, {"size", f.size}, {"name", f.name}, {"value", TypedValue(f.value)}};
    if (!f.meaning.empty()) field["meaning"] = f.meaning;
    fields.push_back(std::move(field));
  }
  nlohmann::ordered_json json = {{"unit", unit.label},
                                 {"length", unit.data.size()},
                                 {"fields", std::move(fields)},
                                 {"problems", unit.record.problems}};
  // Only a record made with findings has them, so the others read as before.
  if (!unit.findings.empty()) {
    nlohmann::ordered_json findings = nlohmann::ordered_json::array();
    for (const KeptFinding& f : unit.findings) findings.push_back({{"severity", f.severity}, {"message", f.message}});
    json["made_with"] = std::move(findings);
  }
  return json;
}

}  // namespace brisklet::cli
